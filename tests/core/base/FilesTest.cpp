#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "core/base/Files.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(Files, ReadReportsWhyAFileIsMissing) {
  TempDir dir;
  std::vector<std::uint8_t> bytes{1};
  EXPECT_EQ(ReadFileBytes(dir / "none", bytes, 10), FileError::kNotFound);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(ReadFileBytes(dir / "no/folder", bytes, 10), FileError::kNotFound);
}

TEST(Files, ReadStopsAtTheLimit) {
  TempDir dir;
  WriteBytes(dir / "f", {1, 2, 3, 4, 5});
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(ReadFileBytes(dir / "f", bytes, 3), FileError::kNone);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3}));
  ASSERT_EQ(ReadFileBytes(dir / "f", bytes, 10), FileError::kNone);
  EXPECT_EQ(bytes.size(), 5u);
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  WriteBytes(dir / "f", {9, 9, 9, 9, 9, 9});
  const std::vector<std::uint8_t> fresh{1, 2};
  ASSERT_EQ(WriteFileAtomic(dir / "f", fresh), FileError::kNone);
  EXPECT_EQ(ReadBytes(dir / "f"), fresh);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(WriteFileAtomic(dir / "missing/f", fresh), FileError::kNotFound);
}

// A write that fails halfway (here: the file-size limit, as on a full disk)
// must leave the old file exactly as it was.
TEST(Files, FailedWriteLeavesTheOldFileIntact) {
  TempDir dir;
  const std::vector<std::uint8_t> old(100, 7);
  WriteBytes(dir / "f", old);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileError error = WriteFileAtomic(dir / "f", std::vector<std::uint8_t>(5000, 1));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);

  EXPECT_NE(error, FileError::kNone);
  EXPECT_EQ(ReadBytes(dir / "f"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace n63k
