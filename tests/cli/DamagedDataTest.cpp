#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "cli/Cli.h"
#include "core/base/Clock.h"
#include "core/base/FolderLock.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/device/SimulatedMouse.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"
#include "support/CaseName.h"
#include "support/CliRun.h"
#include "support/IgnoredPointerSettings.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::IgnoredPointerSettings;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using ::testing::HasSubstr;

constexpr std::uint32_t kMacroId = 0x15000007;

std::vector<std::uint8_t> BytesOf(const ProfileRecord& record) {
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> BytesOf(const ProfileTableEntries& table) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(&table);
  return {data, data + sizeof table};
}

// A data folder made from the defaults, damaged one way per case, driven
// through n63kctl against the simulated mouse.
struct DamageCase {
  const char* name;
  std::function<void(const fs::path& data)> damage;
  std::vector<std::string> command;
  int status;
  std::vector<std::string> told;  // each appears on standard error
  bool mouseWritten;
  bool folderUnchanged;
  std::function<void(const fs::path& data, const SimulatedMouse& mouse)> check = nullptr;
};

class DamagedDataTest : public ::testing::TestWithParam<DamageCase> {
 protected:
  DamagedDataTest() { EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk); }

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return test::RunInProcess(args, DeviceEnvironment{&clock, &mouse, nullptr, &pointer});
  }

  TempDir dir;
  fs::path data = dir / "data";
  VirtualClock clock;
  SimulatedMouse mouse{clock};
  IgnoredPointerSettings pointer;
};

TEST_P(DamagedDataTest, NeverReachesTheMouseOrTheDiskUnchecked) {
  const DamageCase& c = GetParam();
  c.damage(data);
  const auto before = test::FolderContents(data);
  std::vector<std::string> args = c.command;
  args.insert(args.begin(), "--simulate");
  const CliRun run = Run(args);

  EXPECT_EQ(run.status, c.status) << run.err;
  for (const std::string& text : c.told) {
    EXPECT_THAT(run.err, HasSubstr(text));
  }
  EXPECT_EQ(mouse.ReportsSent() > 0, c.mouseWritten) << run.err;
  if (c.folderUnchanged) {
    EXPECT_EQ(test::FolderContents(data), before);
  }
  if (c.check) {
    c.check(data, mouse);
  }
}

const std::string kNoSend = "the current profile could be neither read nor created; nothing";

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedDataTest,
    ::testing::Values(
        DamageCase{"AFolderInPlaceOfTheProfile",
                   [](const fs::path& d) {
                     fs::remove(d / "Profile/Profile1.cfg");
                     fs::create_directory(d / "Profile/Profile1.cfg");
                   },
                   {"apply"},
                   kExitFailure,
                   {"Profile1.cfg: not a regular file.", "the default settings are used", kNoSend},
                   false,
                   true},
        DamageCase{"AFileInPlaceOfTheProfileFolder",
                   [](const fs::path& d) {
                     fs::remove_all(d / "Profile");
                     WriteBytes(d / "Profile", {1});
                   },
                   {"apply"},
                   kExitFailure,
                   {"the default settings are used", kNoSend},
                   false,
                   true},
        DamageCase{"ShowRunsOnTheDefaultsAndSaysSo",
                   [](const fs::path& d) {
                     fs::remove(d / "Profile/Profile1.cfg");
                     fs::create_directory(d / "Profile/Profile1.cfg");
                   },
                   {"show"},
                   kExitOk,
                   {"the default settings are used"},
                   false,
                   true},
        DamageCase{"ATruncatedProfileIsKeptAndReplacedByDefaults",
                   [](const fs::path& d) { fs::resize_file(d / "Profile/Profile1.cfg", 11126); },
                   {"apply"},
                   kExitOk,
                   {"Profile1.cfg is an invaild Profile!\nsize 11126 bytes, expected 22252"},
                   true,
                   false,
                   [](const fs::path& d, const SimulatedMouse& m) {
                     EXPECT_EQ(ReadBytes(d / "Profile/Profile1.cfg.bak").size(), 11126u);
                     ProfileRecord defaults;
                     BuildDefaultProfile(defaults, false);
                     EXPECT_EQ(ReadBytes(d / "Profile/Profile1.cfg"), BytesOf(defaults));
                     EXPECT_EQ(m.memory().keyMatrix[4], 0x00F30001u) << "back button";
                     EXPECT_EQ(m.memory().reportRate, 1);
                   }},
        DamageCase{"AMacroGoneFromAnEmptyMacroFile",
                   [](const fs::path& d) {
                     ProfileRecord record;
                     BuildDefaultProfile(record, false);
                     record.buttons[2].functionCode = kFunctionClick;
                     record.buttons[0].functionCode = kFunctionMacro;
                     record.buttons[0].macroId = kMacroId;
                     WriteBytes(d / "Profile/Profile1.cfg", BytesOf(record));
                     ProfileTableEntries table = DefaultProfileTable();
                     table[0].macroIds[0] = kMacroId;
                     WriteBytes(d / "Profile/ConfigInfo.cfg", BytesOf(table));
                     WriteBytes(d / "Macro.cfg", {});
                   },
                   {"apply"},
                   kExitOk,
                   {"The macro of the left button no longer exists"},
                   true,
                   false,
                   [](const fs::path&, const SimulatedMouse& m) {
                     EXPECT_EQ(m.memory().keyMatrix[0], 0x00F00001u) << "left still clicks";
                   }},
        DamageCase{"AnEmptyProfileTableIsRebuiltWithOneSelection",
                   [](const fs::path& d) { WriteBytes(d / "Profile/ConfigInfo.cfg", {}); },
                   {"profiles"},
                   kExitOk,
                   {"size 0 bytes, expected 8000"},
                   false,
                   false,
                   [](const fs::path& d, const SimulatedMouse&) {
                     EXPECT_TRUE(ReadBytes(d / "Profile/ConfigInfo.cfg.bak").empty());
                     const auto table = ReadBytes(d / "Profile/ConfigInfo.cfg");
                     ASSERT_EQ(table.size(), 8000u);
                     int selected = 0;
                     for (std::size_t i = 0; i < 5; ++i) {
                       EXPECT_EQ(table[1600 * i], 0xBE);
                       selected += table[1600 * i + 4];
                     }
                     EXPECT_EQ(selected, 1);
                   }},
        DamageCase{"AnUnmarkedEntryIsSkippedAndKeptWithItsMacros",
                   [](const fs::path& d) {
                     ProfileTableEntries table = DefaultProfileTable();
                     table[0].selected = 0;
                     table[2].selected = 1;
                     table[2].entryMagic = 0;
                     table[2].macroIds[1] = kMacroId;
                     table[3].entryMagic = 0xDEAD;
                     table[3].macroIds[6] = kMacroId;
                     WriteBytes(d / "Profile/ConfigInfo.cfg", BytesOf(table));
                   },
                   {"apply"},
                   kExitOk,
                   {},
                   true,
                   false,
                   [](const fs::path& d, const SimulatedMouse&) {
                     EXPECT_FALSE(fs::exists(d / "Profile/ConfigInfo.cfg.bak"));
                     const auto bytes = ReadBytes(d / "Profile/ConfigInfo.cfg");
                     ASSERT_EQ(bytes.size(), sizeof(ProfileTableEntries));
                     ProfileTableEntries table;
                     std::memcpy(&table, bytes.data(), sizeof table);
                     EXPECT_EQ(table[0].selected, 1) << "profile 1 took the place of the unmarked";
                     EXPECT_EQ(table[2].entryMagic, 0u);
                     EXPECT_EQ(table[2].macroIds[1], kMacroId);
                     EXPECT_EQ(table[3].entryMagic, 0xDEADu);
                     EXPECT_EQ(table[3].macroIds[6], kMacroId);
                   }},
        DamageCase{"AFifoProfileIsUnreadableAtOnce",
                   [](const fs::path& d) {
                     fs::remove(d / "Profile/Profile1.cfg");
                     ASSERT_EQ(::mkfifo((d / "Profile/Profile1.cfg").c_str(), 0644), 0);
                   },
                   {"apply"},
                   kExitFailure,
                   {"Profile1.cfg: not a regular file.", kNoSend},
                   false,
                   true},
        DamageCase{"ReadingCommandsWriteNothing",
                   [](const fs::path&) {},
                   {"profiles"},
                   kExitOk,
                   {},
                   false,
                   true},
        DamageCase{"StaleTemporariesOfKilledWritesAreRemoved",
                   [](const fs::path& d) {
                     WriteBytes(d / "Macro.cfg.Ab12Cd", {1});
                     WriteBytes(d / "Profile/Profile3.cfg.x9Y8z7", {2});
                     WriteBytes(d / "Profile/notes.txt", {3});
                   },
                   {"show"},
                   kExitOk,
                   {},
                   false,
                   false,
                   [](const fs::path& d, const SimulatedMouse&) {
                     EXPECT_FALSE(fs::exists(d / "Macro.cfg.Ab12Cd"));
                     EXPECT_FALSE(fs::exists(d / "Profile/Profile3.cfg.x9Y8z7"));
                     EXPECT_TRUE(fs::exists(d / "Profile/notes.txt"));
                   }}),
    test::CaseName<DamageCase>);

TEST(DamagedData, ReadingCommandsLeaveEveryFileAsItWas) {
  TempDir dir;
  const fs::path data = dir / "data";
  ASSERT_EQ(test::RunInProcess({"defaults", data.string()}).status, kExitOk);
  ASSERT_EQ(test::RunInProcess({"--data", data.string(), "profiles"}).status, kExitOk);
  struct stat before {};
  ASSERT_EQ(::stat((data / "Language.cfg").c_str(), &before), 0);
  const auto contents = test::FolderContents(data);
  for (const char* command : {"show", "profiles", "macros"}) {
    EXPECT_EQ(test::RunInProcess({"--data", data.string(), command}).status, kExitOk) << command;
  }
  struct stat after {};
  ASSERT_EQ(::stat((data / "Language.cfg").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "Language.cfg was rewritten";
  EXPECT_EQ(test::FolderContents(data), contents);
}

TEST(DamagedData, SavesWriteThroughALinkAndKeepTheMode) {
  TempDir dir;
  const fs::path data = dir / "data";
  ASSERT_EQ(test::RunInProcess({"defaults", data.string()}).status, kExitOk);
  const fs::path target = dir / "elsewhere/mine.cfg";
  fs::create_directories(target.parent_path());
  fs::rename(data / "Profile/Profile1.cfg", target);
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(target, data / "Profile/Profile1.cfg");
  ProfileRecord changed;
  BuildDefaultProfile(changed, false);
  changed.pointerSpeed = 17;
  WriteBytes(dir / "import.cfg", BytesOf(changed));

  VirtualClock clock;
  SimulatedMouse mouse(clock);
  IgnoredPointerSettings pointer;
  const CliRun run = test::RunInProcess(
      {"--data", data.string(), "--simulate", "apply", "--from", (dir / "import.cfg").string()},
      DeviceEnvironment{&clock, &mouse, nullptr, &pointer});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(fs::is_symlink(data / "Profile/Profile1.cfg"));
  EXPECT_EQ(ReadBytes(target), BytesOf(changed));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

// A FIFO must never hold a command: each ends at once with a clear failure.
TEST(DamagedData, FifosEndEveryCommandAtOnce) {
  TempDir dir;
  const fs::path data = dir / "data";
  ASSERT_EQ(test::RunInProcess({"defaults", data.string()}).status, kExitOk);
  const fs::path fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string d = "--data '" + data.string() + "' ";
  struct Case {
    std::string command;
    int status;
  } const cases[] = {
      {d + "--simulate apply --from '" + fifo.string() + "'", kExitFailure},
      {"lang '" + fifo.string() + "'", kExitFailure},
  };
  for (const Case& c : cases) {
    // `timeout` ends a command that blocks; its status 124 would fail here.
    const CliRun run = test::RunBuiltTool(c.command + " >/dev/null 2>&1", "timeout 10");
    EXPECT_EQ(run.status, c.status) << c.command;
  }
}

TEST(DamagedData, ASecondWriterWaitsThenFailsWithoutTouchingAnything) {
  TempDir dir;
  const fs::path data = dir / "data";
  ASSERT_EQ(test::RunInProcess({"defaults", data.string()}).status, kExitOk);
  VirtualClock clock;
  SimulatedMouse mouse(clock);
  IgnoredPointerSettings pointer;
  const auto before = test::FolderContents(data);
  {
    const FolderLock other(data, clock);
    ASSERT_TRUE(other.held());
    const std::uint64_t start = clock.NowMs();
    const CliRun run = test::RunInProcess({"--data", data.string(), "--simulate", "apply"},
                                          DeviceEnvironment{&clock, &mouse, nullptr, &pointer});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_THAT(run.err, HasSubstr("Another program is changing the settings in"));
    EXPECT_EQ(clock.NowMs() - start, FolderLock::kWaitMs);
    EXPECT_EQ(mouse.ReportsSent(), 0);
  }
  EXPECT_EQ(test::FolderContents(data), before);
  const CliRun after = test::RunInProcess({"--data", data.string(), "--simulate", "apply"},
                                          DeviceEnvironment{&clock, &mouse, nullptr, &pointer});
  EXPECT_EQ(after.status, kExitOk) << after.err;
}

// Two real processes applying at once: the second waits for the first, so
// both succeed one after the other and the files stay whole.
TEST(DamagedData, TwoWritersRacingTakeTurns) {
  TempDir dir;
  const fs::path data = dir / "data";
  ASSERT_EQ(test::RunInProcess({"defaults", data.string()}).status, kExitOk);
  const std::string command =
      "--data '" + data.string() + "' --simulate apply --profile 2 >/dev/null 2>&1";
  auto first = std::async(std::launch::async, [&] { return test::RunBuiltTool(command); });
  auto second = std::async(std::launch::async, [&] { return test::RunBuiltTool(command); });
  EXPECT_EQ(first.get().status, kExitOk);
  EXPECT_EQ(second.get().status, kExitOk);
  const CliRun profiles = test::RunBuiltTool("--data '" + data.string() + "' profiles");
  EXPECT_THAT(profiles.out, HasSubstr("2 valid selected current"));
  EXPECT_EQ(ReadBytes(data / "Profile/ConfigInfo.cfg").size(), 8000u);
  for (const auto& [name, bytes] : test::FolderContents(data)) {
    EXPECT_EQ(name.find(".cfg."), std::string::npos) << "a temporary file stayed: " << name;
  }
}

}  // namespace
}  // namespace n63k::cli
