#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <optional>
#include <string>

#include "core/base/Files.h"
#include "core/base/FolderLock.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// A virtual clock that lets another writer go after a number of pauses.
class ReleasingClock final : public Clock {
 public:
  ReleasingClock(std::optional<FolderLock>& other, int pausesBeforeRelease)
      : other_(other), pausesLeft_(pausesBeforeRelease) {}
  std::uint64_t NowMs() const override { return clock_.NowMs(); }
  void SleepMs(std::uint32_t ms) override {
    clock_.SleepMs(ms);
    if (--pausesLeft_ == 0) {
      other_.reset();
    }
  }

 private:
  VirtualClock clock_;
  std::optional<FolderLock>& other_;
  int pausesLeft_;
};

TEST(FolderLock, ASecondWriterWaitsTheBoundAndThenFails) {
  TempDir dir;
  VirtualClock clock;
  std::optional<FolderLock> first(std::in_place, dir.path(), clock);
  ASSERT_TRUE(first->held());
  EXPECT_TRUE(fs::is_regular_file(dir / ".n63k.lock"));

  const FolderLock second(dir.path(), clock);
  EXPECT_EQ(second.status(), FolderLock::Status::kBusy);
  EXPECT_EQ(clock.NowMs(), FolderLock::kWaitMs);

  first.reset();
  const FolderLock third(dir.path(), clock);
  EXPECT_TRUE(third.held());
  EXPECT_EQ(clock.NowMs(), FolderLock::kWaitMs);
}

TEST(FolderLock, AWaitingWriterGetsTheLockOnceItIsReleased) {
  TempDir dir;
  VirtualClock start;
  std::optional<FolderLock> first(std::in_place, dir.path(), start);
  ASSERT_TRUE(first->held());

  ReleasingClock clock(first, 3);
  const FolderLock second(dir.path(), clock);
  EXPECT_TRUE(second.held());
  EXPECT_EQ(clock.NowMs(), 3 * FolderLock::kPollMs);
}

// Blocks until one byte arrives on `fd`.
void AwaitByte(int fd) {
  char byte = 0;
  while (::read(fd, &byte, 1) < 0 && errno == EINTR) {
  }
}

void SendByte(int fd) {
  const char byte = 1;
  while (::write(fd, &byte, 1) < 0 && errno == EINTR) {
  }
}

TEST(FolderLock, AWriterInAnotherProcessHoldsItOff) {
  TempDir dir;
  int held[2];
  int release[2];
  ASSERT_EQ(::pipe(held), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    VirtualClock clock;
    const FolderLock lock(dir.path(), clock);
    SendByte(held[1]);
    AwaitByte(release[0]);
    ::_exit(lock.held() ? 0 : 1);
  }
  AwaitByte(held[0]);
  VirtualClock clock;
  EXPECT_EQ(FolderLock(dir.path(), clock).status(), FolderLock::Status::kBusy);
  SendByte(release[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(FolderLock(dir.path(), clock).held());
  for (const int fd : {held[0], held[1], release[0], release[1]}) {
    ::close(fd);
  }
}

// Read, add one, write back, under the lock; false on any failure.
bool Increment(const fs::path& folder, Clock& clock) {
  // Generous: this checks that writers never interleave, not the bound.
  const FolderLock lock(folder, clock, 60'000);
  if (!lock.held()) {
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (ReadFileBytes(folder / "count", bytes, 20) != FileError::kNone) {
    return false;
  }
  int count = 0;
  const auto* text = reinterpret_cast<const char*>(bytes.data());
  if (std::from_chars(text, text + bytes.size(), count).ec != std::errc()) {
    return false;
  }
  const std::string next = std::to_string(count + 1);
  return WriteFileAtomic(folder / "count", {reinterpret_cast<const std::uint8_t*>(next.data()),
                                            next.size()}) == FileError::kNone;
}

TEST(FolderLock, TwoProcessesIncrementingOneFileLoseNoUpdate) {
  constexpr int kRounds = 200;
  TempDir dir;
  test::WriteText(dir / "count", "0");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  SystemClock clock;
  bool ok = true;
  for (int i = 0; i < kRounds && ok; ++i) {
    ok = Increment(dir.path(), clock);
  }
  if (child == 0) {
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(test::ReadText(dir / "count"), std::to_string(2 * kRounds));
}

TEST(FolderLock, FailsClearlyWhenTheLockFileCannotBeOpened) {
  TempDir dir;
  fs::create_directory(dir / "fifo");
  ASSERT_EQ(::mkfifo((dir / "fifo/.n63k.lock").c_str(), 0644), 0);
  fs::create_directory(dir / "link");
  fs::create_symlink("../elsewhere", dir / "link/.n63k.lock");
  struct Case {
    const char* folder;
    FileError error;
  };
  const Case cases[] = {
      {"missing", FileError::kNotFound},
      {"fifo", FileError::kNotRegular},
      {"link", FileError::kOther},
  };
  VirtualClock clock;
  for (const Case& c : cases) {
    const FolderLock lock(dir / c.folder, clock);
    EXPECT_EQ(lock.status(), FolderLock::Status::kFailed) << c.folder;
    EXPECT_EQ(lock.error(), c.error) << c.folder;
  }
  EXPECT_FALSE(fs::exists(dir / "elsewhere"));
  EXPECT_EQ(clock.NowMs(), 0u);
}

}  // namespace
}  // namespace n63k
