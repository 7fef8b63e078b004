#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "core/base/Backups.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const Bytes kDefaults{0xD0, 0xD0};

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Each damaged version replaced in turn gets a backup of its own; a version
// seen before, but not the newest backup, is kept again.
TEST(Backups, NumbersBackupsAndNeverOverwritesOne) {
  TempDir dir;
  const fs::path file = dir / "Profile1.cfg";
  const Bytes versions[] = {{1}, {2, 2}, {1}};
  const char* expected[] = {"Profile1.cfg.bak", "Profile1.cfg.bak.2", "Profile1.cfg.bak.3"};
  for (std::size_t i = 0; i < std::size(versions); ++i) {
    WriteBytes(file, versions[i]);
    const BackupResult result = KeepBackup(file, kDefaults, SystemFiles());
    ASSERT_EQ(result.outcome, BackupOutcome::kWritten) << i;
    EXPECT_EQ(result.path, dir / expected[i]);
    WriteBytes(file, kDefaults);
  }
  for (std::size_t i = 0; i < std::size(versions); ++i) {
    EXPECT_EQ(ReadBytes(dir / expected[i]), versions[i]) << expected[i];
  }
}

TEST(Backups, SkipsWhatIsAlreadyKeptOrNeedsNoKeeping) {
  TempDir dir;
  const fs::path file = dir / "ConfigInfo.cfg";

  EXPECT_EQ(KeepBackup(file, kDefaults, SystemFiles()).outcome, BackupOutcome::kNoFile);

  WriteBytes(file, kDefaults);
  EXPECT_EQ(KeepBackup(file, kDefaults, SystemFiles()).outcome, BackupOutcome::kSameAsReplacement);

  WriteBytes(file, {7});
  ASSERT_EQ(KeepBackup(file, kDefaults, SystemFiles()).outcome, BackupOutcome::kWritten);
  const BackupResult again = KeepBackup(file, kDefaults, SystemFiles());
  EXPECT_EQ(again.outcome, BackupOutcome::kSameAsNewestBackup);
  EXPECT_EQ(again.path, dir / "ConfigInfo.cfg.bak");

  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"ConfigInfo.cfg", "ConfigInfo.cfg.bak"}));
}

// The next number follows the highest present, so a backup the user deleted
// is never reused for another; names that are not backups are left alone.
TEST(Backups, ContinuesAfterTheHighestNumber) {
  TempDir dir;
  const fs::path file = dir / "Macro.cfg";
  const std::set<std::string> others = {"Macro.cfg.bak.old", "Macro.cfg.bak.07", "Macro.cfg.bakery",
                                        "Macro.cfg.bak.0"};
  for (const std::string& name : others) {
    WriteBytes(dir / name, {9});
  }
  WriteBytes(dir / "Macro.cfg.bak.5", {5});
  WriteBytes(file, {6});

  const BackupResult result = KeepBackup(file, kDefaults, SystemFiles());
  ASSERT_EQ(result.outcome, BackupOutcome::kWritten);
  EXPECT_EQ(result.path, dir / "Macro.cfg.bak.6");
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg.bak.5"), Bytes{5});
  for (const std::string& name : others) {
    EXPECT_EQ(ReadBytes(dir / name), Bytes{9}) << name;
  }
}

TEST(Backups, ReportsWhatKeepsItFromKeepingACopy) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  const BackupResult fifo = KeepBackup(dir / "fifo", kDefaults, SystemFiles());
  EXPECT_EQ(fifo.outcome, BackupOutcome::kUnreadable);
  EXPECT_EQ(fifo.error, FileError::kNotRegular);

  // Sparse, so the test writes almost nothing.
  WriteBytes(dir / "huge", {});
  fs::resize_file(dir / "huge", (64u << 20) + 1);
  EXPECT_EQ(KeepBackup(dir / "huge", kDefaults, SystemFiles()).outcome, BackupOutcome::kTooLarge);

  WriteBytes(dir / "sub/Sts.cfg", {3});
  test::WriteProtection protection(dir / "sub");
  ASSERT_TRUE(protection.active());
  const BackupResult locked = KeepBackup(dir / "sub/Sts.cfg", kDefaults, SystemFiles());
  EXPECT_EQ(locked.outcome, BackupOutcome::kWriteFailed);
  EXPECT_EQ(locked.error, FileError::kAccessDenied);

  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"fifo", "huge", "sub"}));
}

}  // namespace
}  // namespace n63k
