#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Cli.h"
#include "core/base/Clock.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/device/SimulatedMouse.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"
#include "support/CliRun.h"
#include "support/IgnoredPointerSettings.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using test::IgnoredPointerSettings;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using ::testing::HasSubstr;
using ::testing::Not;

// A real mouse as hidapi would find it: not there, or there but closed to
// this user.
class UnreachableMouse final : public HidTransport {
 public:
  explicit UnreachableMouse(OpenResult result) : result_(result) {}
  bool Prepare() override { return true; }
  OpenResult Open() override { return result_; }
  void Close() override {}
  std::string DevicePath() const override { return "/dev/hidraw7"; }
  std::uint8_t ReportId() const override { return 0; }
  std::size_t ReportLength() const override { return 0; }
  bool SendFeatureReport(std::span<const std::uint8_t>) override { return false; }
  bool GetFeatureReport(std::span<std::uint8_t>) override { return false; }
  WriteResult WriteOutputReport(std::span<const std::uint8_t>) override {
    return WriteResult::kFailed;
  }
  bool WaitPendingWrite(std::uint32_t) override { return false; }

 private:
  OpenResult result_;
};

// A data folder with the defaults, and a simulated mouse on a virtual clock
// for the device commands.
class DeviceCommandsTest : public ::testing::Test {
 protected:
  DeviceCommandsTest() { EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk); }

  CliRun Run(std::vector<std::string> args, HidTransport* realMouse = nullptr) {
    args.insert(args.begin(), {"--data", data.string()});
    return test::RunInProcess(args, DeviceEnvironment{&clock, &mouse, realMouse, &pointer});
  }

  // Every file of the data folder with its bytes.
  std::map<std::string, std::vector<std::uint8_t>> Snapshot() const {
    return test::FolderContents(data);
  }

  // A profile file other than the defaults, to import.
  std::filesystem::path ChangedProfile() {
    ProfileRecord record;
    BuildDefaultProfile(record, false);
    record.pointerSpeed = 15;
    record.pollingRate = 4;
    const auto bytes = RecordBytes(record);
    WriteBytes(dir / "import.cfg", {bytes.begin(), bytes.end()});
    return dir / "import.cfg";
  }

  TempDir dir;
  std::filesystem::path data = dir / "data";
  VirtualClock clock;
  SimulatedMouse mouse{clock};
  IgnoredPointerSettings pointer;
};

TEST_F(DeviceCommandsTest, VersionPrintsTheFirmwareVersion) {
  const CliRun run = Run({"--simulate", "version"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, "17\n");
  const CliRun json = Run({"--simulate", "version", "--json"});
  EXPECT_EQ(json.status, kExitOk) << json.err;
  EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json({{"firmwareVersion", 17}}));
}

TEST_F(DeviceCommandsTest, TheEnvironmentSelectsTheSimulatedMouse) {
  ::setenv("N63K_DEVICE", "simulated", 1);
  const CliRun run = Run({"version"});
  ::unsetenv("N63K_DEVICE");
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, "17\n");
}

TEST(VersionCommand, NoAnswerOrZeroFails) {
  struct Case {
    std::string what;
    std::vector<std::string> args;
    std::uint32_t firmware;
    std::uint8_t replyCommand;
  };
  const std::vector<Case> cases = {
      {"request refused", {"--simulate-fail", "1", "version"}, 17, 0x80},
      {"reply of another command", {"--simulate", "version"}, 17, 0x01},
      {"version 0", {"--simulate", "version"}, 0, 0x80},
  };
  for (const Case& c : cases) {
    VirtualClock clock;
    SimulatedMouse mouse(clock, {5, 32, c.firmware});
    mouse.AnswerVersionWith(c.replyCommand);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(c.args, out, err, DeviceEnvironment{&clock, &mouse, nullptr, nullptr}),
              kExitFailure)
        << c.what;
    EXPECT_EQ(out.str(), "") << c.what;
    EXPECT_THAT(err.str(), HasSubstr("did not answer")) << c.what;
  }
}

TEST_F(DeviceCommandsTest, AMissingMouseIsReported) {
  UnreachableMouse missing(OpenResult::kNotFound);
  for (const char* command : {"version", "apply"}) {
    const CliRun run = Run({command}, &missing);
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "The N63K gaming mouse cannot be found.\n");
  }
}

TEST_F(DeviceCommandsTest, AMouseClosedToTheUserIsReportedWithTheFix) {
  UnreachableMouse closed(OpenResult::kNoPermission);
  const auto before = Snapshot();
  for (const char* command : {"version", "apply"}) {
    const CliRun run = Run({command}, &closed);
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_THAT(run.err, HasSubstr("connected (/dev/hidraw7), but this user may not open it"));
    EXPECT_THAT(run.err, HasSubstr("70-korvu-n63k.rules' /etc/udev/rules.d/"));
    EXPECT_THAT(run.err, HasSubstr("udevadm control --reload"));
    EXPECT_THAT(run.err, Not(HasSubstr("cannot be found")));
  }
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DeviceCommandsTest, ApplyTracesEveryTransferAndPrintsTheMouse) {
  const CliRun run = Run({"--simulate", "apply", "--trace"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string zeros27 =
      " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
  EXPECT_EQ(
      run.out,
      "400 SET 05 12 01 00 40 00" + zeros27 +
          "\n"
          "550 OUT 05 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 03 00 01 00 f3 00 01 00 f4 00 00 "
          "00 "
          "00 00 00 00 00 00\n"
          "650 OUT 05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 04 "
          "00 "
          "01 00 04 00 02 00\n"
          "700 SET 05 0c 01 00 ff 00" +
          zeros27 +
          "\n"
          "700 SET 05 0d 01 05 04 00" +
          zeros27 +
          "\n"
          "700 SET 05 03 a0 00 00 00" +
          zeros27 +
          "\n"
          "700 SET 05 11 01 07 10 00" +
          zeros27 +
          "\n"
          "750 OUT 05 03 05 06 08 0a 0e 28 02 03 05 06 08 0a 0e 28 02 00 00 00 00 00 00 00 00 00 "
          "00 "
          "00 00 00 00 00 00\n"
          "800 SET 05 0b 01 03 00 00" +
          zeros27 +
          "\n"
          "800 POINTER precision 0 speed 10 lines 3\n"
          "800 SET 05 01 01 00 00 00" +
          zeros27 +
          "\n"
          "firmware 17\n"
          "report-rate 1\n"
          "key-matrix 0x00f00001 0x00f10001 0x00f20001 0x00030007 0x00f30001 0x00f40001 "
          "0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 "
          "0x00000000 0x00010004 0x00020004\n"
          "dpi-table 03 05 06 08 0a 0e 28 02 03 05 06 08 0a 0e 28 02\n"
          "dpi-stages 3\n"
          "colour red 255 green 0 blue 0\n"
          "effect 05 04 00\n"
          "colour-block 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
          "00 00 00 00 00 00 00 00\n"
          "proximity a0\n"
          "macro 1 empty\n"
          "macro 2 empty\n"
          "macro 3 empty\n"
          "macro 4 empty\n"
          "macro 5 empty\n"
          "macro 6 empty\n"
          "macro 7 empty\n");
  EXPECT_EQ(clock.NowMs(), 1100u);
}

TEST_F(DeviceCommandsTest, ApplyFromAFileSavesItAsTheCurrentProfile) {
  const auto file = ChangedProfile();
  const CliRun run = Run({"--simulate", "apply", "--from", file.string()});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(ReadBytes(data / "Profile/Profile1.cfg"), ReadBytes(file));
  EXPECT_EQ(mouse.memory().reportRate, 4);
}

TEST_F(DeviceCommandsTest, ApplyOfAnotherProfileMakesItCurrent) {
  std::vector<std::uint8_t> third = ReadBytes(data / "Profile/Profile3.cfg");
  third[22164] = 8;  // report rate
  WriteBytes(data / "Profile/Profile3.cfg", third);
  // After the command, before it, and both: the command's own wins.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--simulate", "apply", "--profile", "3"},
        std::vector<std::string>{"--simulate", "--profile", "3", "apply"},
        std::vector<std::string>{"--simulate", "--profile", "2", "apply", "--profile", "3"}}) {
    ASSERT_EQ(Run({"--simulate", "apply", "--profile", "1"}).status, kExitOk);
    ASSERT_NE(mouse.memory().reportRate, 8);
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(mouse.memory().reportRate, 8) << ::testing::PrintToString(args);
    const auto bytes = ReadBytes(data / "Profile/ConfigInfo.cfg");
    ASSERT_EQ(bytes.size(), sizeof(ProfileTableEntries));
    ProfileTableEntries table;
    std::memcpy(&table, bytes.data(), sizeof table);
    EXPECT_EQ(table[0].selected, 0);
    EXPECT_EQ(table[1].selected, 0);
    EXPECT_EQ(table[2].selected, 1);
  }
}

TEST_F(DeviceCommandsTest, ApplySendsTheMacrosOfTheProfileAndKeepsTheirIds) {
  MacroTable macros;
  macros.PutMacro(test::StoredMacro(0x01000042));
  WriteBytes(data / "Macro.cfg", test::TableBytes(macros));
  ProfileTableEntries table = DefaultProfileTable();
  table[0].macroIds[4] = 0x01000042;
  WriteBytes(data / "Profile/ConfigInfo.cfg",
             {reinterpret_cast<const std::uint8_t*>(&table),
              reinterpret_cast<const std::uint8_t*>(&table) + sizeof table});
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.buttons[4].functionCode = kFunctionMacro;
  record.buttons[4].macroId = 0x01000042;
  const auto bytes = RecordBytes(record);
  WriteBytes(data / "Profile/Profile1.cfg", {bytes.begin(), bytes.end()});

  const CliRun run = Run({"--simulate", "apply"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_THAT(run.out, HasSubstr("macro 1 00 01 01 04\n"));
  EXPECT_EQ(mouse.memory().keyMatrix[4], 0x02010009u);
  const auto saved = ReadBytes(data / "Profile/ConfigInfo.cfg");
  ASSERT_EQ(saved.size(), sizeof table);
  std::memcpy(&table, saved.data(), sizeof table);
  EXPECT_EQ(table[0].macroIds[4], 0x01000042u);
}

TEST_F(DeviceCommandsTest, AFailingStepSavesNothing) {
  // Reports of a default write: key matrix 1-3, colour 4, effect 5,
  // proximity 6, DPI table 7-8; the stage count (9) and the report rate (10)
  // never fail a write.
  const std::vector<std::pair<int, std::string>> cases = {
      {1, "write mousekey metix fail.\n"},    {3, "write mousekey metix fail.\n"},
      {4, "Write mouse LED color failed.\n"}, {5, "Write mouse effect failed.\n"},
      {6, "Write mouse touch failed.\n"},     {7, "Write mouse DPI failed.\n"},
      {8, "Write mouse DPI failed.\n"},
  };
  const auto file = ChangedProfile();
  const auto before = Snapshot();
  for (const auto& [refused, text] : cases) {
    VirtualClock fresh;
    SimulatedMouse failing(fresh);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"--data", data.string(), "--simulate-fail", std::to_string(refused),
                               "apply", "--from", file.string()},
                              out, err, DeviceEnvironment{&fresh, &failing, nullptr, &pointer});
    EXPECT_EQ(status, kExitFailure) << refused;
    EXPECT_EQ(err.str(), text) << refused;
    EXPECT_EQ(failing.ReportsSent(), refused) << refused;
    EXPECT_EQ(Snapshot(), before) << refused;
  }
}

// Whatever DPI levels a profile holds, the first seven go out through the
// mouse's stage codes; the profile is used as it is, never replaced.
TEST_F(DeviceCommandsTest, StoredDpiLevelsGoThroughTheStageCodes) {
  struct Case {
    std::vector<std::int32_t> levels;
    std::string block;
    std::string stages;
  };
  const std::vector<Case> cases = {
      {{250, 1750, 2250, 2750}, "01 07 09 0b 80 80 80 02 01 07 09 0b 80 80 80 02", "0b 01 03"},
      {{800, 1000}, "80 04 80 80 80 80 80 02 80 04 80 80 80 80 80 02", "0b 01 01"},
      {{7000, 0, 500, 500}, "2e 80 02 02 80 80 80 02 2e 80 02 02 80 80 80 02", "0b 01 03"},
      {{0, 0, 0, 0, 0, 0, 4000, 750, 750},
       "80 80 80 80 80 80 28 02 80 80 80 80 80 80 28 02",
       "0b 01 01"},
  };
  for (const Case& c : cases) {
    ProfileRecord record;
    BuildDefaultProfile(record, false);
    std::fill(std::begin(record.dpiLevels), std::end(record.dpiLevels), 0);
    std::copy(c.levels.begin(), c.levels.end(), record.dpiLevels);
    const auto bytes = RecordBytes(record);
    const std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    WriteBytes(data / "Profile/Profile1.cfg", file);

    const CliRun run = Run({"--simulate", "apply", "--trace"});
    ASSERT_EQ(run.status, kExitOk) << c.block << run.err;
    EXPECT_EQ(run.err, "") << c.block;
    EXPECT_THAT(run.out, HasSubstr(" SET 05 11 01 07 10 00 00"));
    EXPECT_THAT(run.out, HasSubstr(" OUT 05 " + c.block + " 00")) << run.out;
    EXPECT_THAT(run.out, HasSubstr(" SET 05 " + c.stages + " 00")) << c.block;
    EXPECT_EQ(ReadBytes(data / "Profile/Profile1.cfg"), file) << c.block;
    EXPECT_FALSE(std::filesystem::exists(data / "Profile/Profile1.cfg.bak")) << c.block;
  }
}

// The mouse keeps what it had for a refused stage count, report rate or
// macro; the write goes on, succeeds and is saved, and the trace says which
// command was refused.
TEST_F(DeviceCommandsTest, ARefusedStageCountReportRateOrMacroStillWritesAndSaves) {
  MacroTable macros;
  macros.PutMacro(test::StoredMacro(0x01000042));
  ProfileTableEntries table = DefaultProfileTable();
  table[0].macroIds[4] = 0x01000042;
  const auto* tableBytes = reinterpret_cast<const std::uint8_t*>(&table);
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.pointerSpeed = 15;
  record.buttons[4].functionCode = kFunctionMacro;
  record.buttons[4].macroId = 0x01000042;
  const auto bytes = RecordBytes(record);
  const std::vector<std::uint8_t> imported(bytes.begin(), bytes.end());
  WriteBytes(dir / "import.cfg", imported);
  // With the macro: its header is report 1 and its data 2-17; then the key
  // matrix 18-20, colour, effect, proximity, the DPI table 24-25, the stage
  // count 26 and the report rate 27.
  const std::vector<std::pair<int, std::string>> cases = {
      {1, "WriteMacro"}, {5, "WriteMacro"}, {26, "SetDpiStage"}, {27, "SetPollingRate"}};
  for (const auto& [refused, command] : cases) {
    EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk);
    WriteBytes(data / "Macro.cfg", test::TableBytes(macros));
    WriteBytes(data / "Profile/ConfigInfo.cfg", {tableBytes, tableBytes + sizeof table});
    VirtualClock fresh;
    SimulatedMouse failing(fresh);
    const CliRun run =
        test::RunInProcess({"--data", data.string(), "--simulate-fail", std::to_string(refused),
                            "apply", "--from", (dir / "import.cfg").string(), "--trace"},
                           DeviceEnvironment{&fresh, &failing, nullptr, &pointer});
    EXPECT_EQ(run.status, kExitOk) << refused << ": " << run.err;
    EXPECT_THAT(run.out, HasSubstr(" REFUSED " + command + "\n")) << refused;
    EXPECT_THAT(run.out, HasSubstr(" SET 05 01 01 00")) << refused << ": the write went on";
    EXPECT_EQ(ReadBytes(data / "Profile/Profile1.cfg"), imported) << refused << ": saved";
    EXPECT_EQ(failing.memory().keyMatrix[4], 0x02010009u) << refused;
  }
}

TEST_F(DeviceCommandsTest, UnpluggingDuringAWriteLosesNothing) {
  const auto file = ChangedProfile();
  const auto before = Snapshot();
  mouse.UnplugAtReport(2);
  const CliRun run = Run({"--simulate", "apply", "--from", file.string()});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.err, "write mousekey metix fail.\n");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DeviceCommandsTest, AnInvalidImportSendsNothing) {
  const std::vector<std::uint8_t> whole = ReadBytes(ChangedProfile());
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::string why;
  } const cases[] = {
      {std::vector<std::uint8_t>(sizeof(ProfileRecord), 0),
       "magic 0x00000000, expected 0x80800295"},
      {std::vector<std::uint8_t>(whole.begin(), whole.begin() + 22236),
       "size 22236 bytes, expected 22252"},
      {std::vector<std::uint8_t>(whole.begin(), whole.begin() + 4), "size 4 bytes, expected 22252"},
  };
  for (const Case& c : cases) {
    WriteBytes(dir / "bad.cfg", c.bytes);
    const auto before = Snapshot();
    const CliRun run = Run({"--simulate", "apply", "--from", (dir / "bad.cfg").string()});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err,
              "Info: " + (dir / "bad.cfg").string() + " is an invaild Profile!\n" + c.why + "\n");
    EXPECT_EQ(mouse.ReportsSent(), 0);
    EXPECT_EQ(Snapshot(), before);
  }
}

TEST_F(DeviceCommandsTest, UsageErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--simulate", "apply", "--profile", "1", "--from", "x"},
        std::vector<std::string>{"--simulate", "--profile", "1", "apply", "--from", "x"},
        std::vector<std::string>{"--simulate", "apply", "--profile", "0"},
        std::vector<std::string>{"--simulate-fail", "0", "version"},
        std::vector<std::string>{"--simulate", "version", "extra"}}) {
    EXPECT_EQ(Run(args).status, kExitUsage) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace n63k::cli
