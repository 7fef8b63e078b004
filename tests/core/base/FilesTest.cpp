#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <limits>
#include <set>

#include "core/base/Files.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

fs::perms Mode(const fs::path& path) {
  return fs::status(path).permissions();
}

TEST(Files, ReadReportsWhyAFileIsMissing) {
  TempDir dir;
  std::vector<std::uint8_t> bytes{1};
  EXPECT_EQ(ReadFileBytes(dir / "none", bytes, 10), FileError::kNotFound);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(ReadFileBytes(dir / "no/folder", bytes, 10), FileError::kNotFound);
}

TEST(Files, ReadStopsAtTheLimitAndTellsWhetherTheFileIsLonger) {
  TempDir dir;
  WriteBytes(dir / "f", {1, 2, 3, 4, 5});
  struct Case {
    std::size_t cap;
    std::vector<std::uint8_t> read;
    bool longer;
  };
  const Case cases[] = {
      {3, {1, 2, 3}, true},         {4, {1, 2, 3, 4}, true}, {5, {1, 2, 3, 4, 5}, false},
      {10, {1, 2, 3, 4, 5}, false}, {0, {}, true},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes;
    bool longer = !c.longer;
    ASSERT_EQ(ReadFileBytes(dir / "f", bytes, c.cap, longer), FileError::kNone) << c.cap;
    EXPECT_EQ(bytes, c.read) << c.cap;
    EXPECT_EQ(longer, c.longer) << c.cap;
  }
}

// The cap is only a cap: the buffer follows the file, so a generous cap on a
// small file costs nothing.
TEST(Files, ReadTakesABufferOfTheFilesSizeNotOfTheCap) {
  TempDir dir;
  WriteBytes(dir / "f", {7, 8, 9});
  std::vector<std::uint8_t> bytes;
  bool longer = true;
  ASSERT_EQ(ReadFileBytes(dir / "f", bytes, std::numeric_limits<std::size_t>::max(), longer),
            FileError::kNone);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{7, 8, 9}));
  EXPECT_FALSE(longer);
}

// Loaders copy `size()` bytes from `data()`, which must then not be null.
TEST(Files, AnEmptyFileReadsAsNoBytesWithStorage) {
  TempDir dir;
  WriteBytes(dir / "empty", {});
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(ReadFileBytes(dir / "empty", bytes, 100), FileError::kNone);
  EXPECT_TRUE(bytes.empty());
  EXPECT_NE(bytes.data(), nullptr);
}

// Reads on another thread. A read still blocked after a generous while fails
// the test; opening the FIFO for writing then lets it go, so the suite ends.
FileError ReadWithWatchdog(const fs::path& path, const fs::path& fifo) {
  auto reading = std::async(std::launch::async, [path] {
    std::vector<std::uint8_t> bytes;
    const FileError error = ReadFileBytes(path, bytes, 100);
    EXPECT_TRUE(bytes.empty());
    return error;
  });
  if (reading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "reading " << path << " blocked";
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
    }
  }
  return reading.get();
}

TEST(Files, ReadRefusesAnythingButARegularFileAtOnce) {
  TempDir dir;
  WriteBytes(dir / "plain", {1, 2});
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  fs::create_symlink("plain", dir / "link-to-plain");
  fs::create_symlink(dir / "fifo", dir / "link-to-fifo");
  struct Case {
    const char* name;
    fs::path path;
    FileError expected;
  };
  const Case cases[] = {
      {"link to a regular file", dir / "link-to-plain", FileError::kNone},
      {"folder", dir / "folder", FileError::kNotRegular},
      {"FIFO", dir / "fifo", FileError::kNotRegular},
      {"link to a FIFO", dir / "link-to-fifo", FileError::kNotRegular},
      {"character device", "/dev/null", FileError::kNotRegular},
  };
  for (const Case& c : cases) {
    if (c.expected == FileError::kNone) {
      std::vector<std::uint8_t> bytes;
      EXPECT_EQ(ReadFileBytes(c.path, bytes, 100), FileError::kNone) << c.name;
      EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2})) << c.name;
    } else {
      EXPECT_EQ(ReadWithWatchdog(c.path, dir / "fifo"), c.expected) << c.name;
    }
  }
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  WriteBytes(dir / "f", {9, 9, 9, 9, 9, 9});
  const std::vector<std::uint8_t> fresh{1, 2};
  ASSERT_EQ(WriteFileAtomic(dir / "f", fresh), FileError::kNone);
  EXPECT_EQ(ReadBytes(dir / "f"), fresh);
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"f"});
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
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"f"});
}

// The user's links stay links; what they point at gets the bytes. The folder
// of the link is write-protected, so the write can only succeed with its
// temporary file beside the final target.
TEST(Files, AtomicWriteGoesThroughLinksToTheirFinalTarget) {
  TempDir dir;
  WriteBytes(dir / "store/real", {1});
  fs::create_directory(dir / "links");
  fs::create_symlink("../store/real", dir / "links/relative");
  fs::create_symlink(dir / "links/relative", dir / "links/chain");
  fs::create_symlink("../store/new", dir / "links/dangling");
  test::WriteProtection protection(dir / "links");
  ASSERT_TRUE(protection.active());

  struct Case {
    const char* link;
    const char* target;
  };
  const Case cases[] = {
      {"links/relative", "store/real"},
      {"links/chain", "store/real"},
      {"links/dangling", "store/new"},
  };
  std::uint8_t value = 10;
  for (const Case& c : cases) {
    ++value;
    ASSERT_EQ(WriteFileAtomic(dir / c.link, std::vector<std::uint8_t>{value}), FileError::kNone)
        << c.link;
    EXPECT_TRUE(fs::is_symlink(dir / c.link)) << c.link;
    EXPECT_EQ(ReadBytes(dir / c.target), std::vector<std::uint8_t>{value}) << c.link;
  }
  EXPECT_EQ(Names(dir / "store"), (std::set<std::string>{"new", "real"}));
}

TEST(Files, AtomicWriteKeepsTheModeOfAnExistingFile) {
  TempDir dir;
  const std::vector<std::uint8_t> bytes{1, 2, 3};
  for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
    WriteBytes(dir / "f", {0});
    fs::permissions(dir / "f", mode);
    ASSERT_EQ(WriteFileAtomic(dir / "f", bytes), FileError::kNone);
    EXPECT_EQ(Mode(dir / "f"), mode) << std::oct << static_cast<int>(mode);
  }
  // Through a link, the target's mode is the one kept.
  fs::permissions(dir / "f", fs::perms(0600));
  fs::create_symlink("f", dir / "link");
  ASSERT_EQ(WriteFileAtomic(dir / "link", bytes), FileError::kNone);
  EXPECT_EQ(Mode(dir / "f"), fs::perms(0600));

  // A new file is 0644 whatever the umask.
  const mode_t savedMask = ::umask(077);
  const FileError error = WriteFileAtomic(dir / "new", bytes);
  ::umask(savedMask);
  ASSERT_EQ(error, FileError::kNone);
  EXPECT_EQ(Mode(dir / "new"), fs::perms(0644));
}

TEST(Files, AtomicWriteRefusesTargetsItMayNotReplace) {
  TempDir dir;
  const std::vector<std::uint8_t> old{5, 5};
  WriteBytes(dir / "locked", old);
  fs::create_symlink("locked", dir / "link-to-locked");
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  test::WriteProtection protection(dir / "locked");
  ASSERT_TRUE(protection.active());

  struct Case {
    const char* name;
    FileError expected;
  };
  const Case cases[] = {
      {"locked", FileError::kAccessDenied},
      {"link-to-locked", FileError::kAccessDenied},
      {"folder", FileError::kNotRegular},
      {"fifo", FileError::kNotRegular},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WriteFileAtomic(dir / c.name, std::vector<std::uint8_t>{1}), c.expected) << c.name;
  }
  EXPECT_EQ(ReadBytes(dir / "locked"), old);
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_EQ(Names(dir.path()),
            (std::set<std::string>{"fifo", "folder", "link-to-locked", "locked"}));
}

TEST(Files, StaleTemporaryFilesOfTheGivenNamesAreRemovedAndNothingElse) {
  TempDir dir;
  const std::string names[] = {"Macro.cfg", "Sts.cfg"};
  // A leftover made the way a write makes its temporary file.
  std::string made = (dir / "Macro.cfg.n63k-XXXXXX").string();
  const int fd = ::mkostemp(made.data(), O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ::close(fd);
  // Earlier versions left "NAME.XXXXXX".
  const std::string leftovers[] = {fs::path(made).filename().string(), "Sts.cfg.a0Z9bY",
                                   "Sts.cfg.n63k-zzzzzz"};
  const std::string kept[] = {
      "Macro.cfg",         "Macro.cfg.bak",    "Macro.cfg.bak.2",  "Macro.cfg.Ab12Z",
      "Macro.cfg.Ab12Z9x", "Macro.cfg.Ab-2Z9", "Other.cfg.Ab12Z9", "Macro.cfgXAb12Z9",
      ".Ab12Z9",           "Sts.cfg.",         "Macro.cfg.backup", "Sts.cfg.n63k-Ab1",
      "x.n63k-Ab12Z9",
  };
  for (const std::string& name : leftovers) {
    WriteBytes(dir / name, {1});
  }
  for (const std::string& name : kept) {
    WriteBytes(dir / name, {1});
  }
  fs::create_directory(dir / "Macro.cfg.Dir123");
  fs::create_symlink("Macro.cfg", dir / "Macro.cfg.Lnk123");

  EXPECT_EQ(RemoveStaleTemporaryFiles(dir.path(), names), 3);

  std::set<std::string> expected(std::begin(kept), std::end(kept));
  expected.insert({"Macro.cfg.Dir123", "Macro.cfg.Lnk123"});
  EXPECT_EQ(Names(dir.path()), expected);
  EXPECT_EQ(RemoveStaleTemporaryFiles(dir / "missing", names), 0);
}

}  // namespace
}  // namespace n63k
