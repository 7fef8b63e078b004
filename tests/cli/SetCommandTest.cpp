#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "cli/Cli.h"
#include "core/base/Utf.h"
#include "core/buttons/ButtonSlots.h"
#include "core/device/SimulatedMouse.h"
#include "core/macro/MacroTable.h"
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

// A default data folder with one stored macro, 0x15000042 "jump", and a
// simulated mouse to apply to.
class SetCommandTest : public ::testing::Test {
 protected:
  SetCommandTest() {
    EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk);
    MacroTable table;
    EXPECT_TRUE(table.PutMacro(test::StoredMacro(0x15000042, "jump")));
    WriteBytes(data / "Macro.cfg", test::TableBytes(table));
  }

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return test::RunInProcess(args, DeviceEnvironment{&clock, &mouse, nullptr, &pointer});
  }

  ProfileRecord Profile(int number) const {
    ProfileRecord record{};
    const auto bytes = ReadBytes(data / ("Profile/Profile" + std::to_string(number) + ".cfg"));
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
  }

  TempDir dir;
  std::filesystem::path data = dir / "data";
  VirtualClock clock;
  SimulatedMouse mouse{clock};
  IgnoredPointerSettings pointer;
};

TEST_F(SetCommandTest, EachFunctionFormIsStoredAndReachesTheMouse) {
  struct Case {
    std::string slot;
    std::string function;
    int slotIndex;
    std::int32_t code;
    std::string caption;
    std::uint32_t deviceWord;
  };
  const std::vector<Case> cases = {
      {"middle", "play-pause", 1, 32, "Play/Pause", 0x00CD0003},
      {"right", "code:16", 2, 16, "Back", 0x00F30001},
      {"3", "sreen-zoom-in", 3, 126, "sreen zoom in", 0x00570800},
      {"back", "keys:ctrl+c", 4, 5, "Ctrl + C", 0x00060100},
      {"back", "keys:shift", 4, 5, "LShift", 0x00E10000},
      {"back", "keys:ctrl+alt+(+)", 4, 5, "Ctrl + Alt + (+)", 0x00570500},
      {"forward", "macro:0x15000042", 3, 6, "jump", 0x02010009},
      {"forward", "macro:jump", 3, 6, "jump", 0x02010009},
      {"wheel-up", "program:/usr/bin/true", 5, 19, "/usr/bin/true", 0x00010004},
      {"wheel-down", "folder:/tmp", 6, 19, "/tmp", 0x00020004},
      {"middle", "disable", 1, 121, "Disable key", 0x00000007},
      {"wheel-down", "default", 6, 22, "Scroll down", 0x00020004},
      {"left", "click", 0, 1, "Click", 0x00F00001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    const CliRun set = Run({"set", "button", c.slot, c.function});
    ASSERT_EQ(set.status, kExitOk) << set.err;
    const ButtonEntry& entry = Profile(1).buttons[c.slotIndex];
    EXPECT_EQ(entry.functionCode, c.code);
    EXPECT_EQ(FixedText(entry.caption), c.caption);
    const CliRun apply = Run({"--simulate", "apply"});
    ASSERT_EQ(apply.status, kExitOk) << apply.err;
    EXPECT_EQ(mouse.memory().keyMatrix[static_cast<std::size_t>(
                  kButtonSlots[static_cast<std::size_t>(c.slotIndex)].keyMatrixPosition)],
              c.deviceWord);
  }
  const ButtonEntry& action = Profile(1).buttons[6];
  EXPECT_EQ(action.pcActionKind, 0xF0);
  EXPECT_EQ(action.pcActionTag, 6u * 0x10000 + 0x00C00006 + 0x300000);
}

TEST_F(SetCommandTest, RefusalsTellWhyAndSaveNothing) {
  const std::string tooLong(260, 'p');
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"set", "button", "left", "menu"},
       "At least one button must be configured as 'Left click'!"},
      {{"set", "button", "wheel-up", "snipe"}, "This key can not use the sniper function!"},
      {{"set", "button", "left", "snipe"},
       "At least one button must be configured as 'Left click'!"},
      {{"set", "button", "middle", "jump"}, "unknown function \"jump\""},
      {{"set", "button", "middle", "code:5"}, "no catalogue function has the code 5"},
      {{"set", "button", "middle", "keys:ctrl+nokey"}, "unknown key \"nokey\""},
      {{"set", "button", "middle", "keys:ctrl+alt"}, "gives no key combination"},
      {{"set", "button", "middle", "macro:0x15000043"}, "no macro \"0x15000043\""},
      {{"set", "button", "middle", "macro:run"}, "no macro \"run\""},
      {{"set", "button", "middle", "file:" + tooLong}, "longer than the profile keeps"},
      {{"set", "button", "middle", "sound:"}, "the path is empty"},
      {{"set", "button", "seventh", "click"}, "unknown control seventh"},
      {{"set", "dpi", "500,750,1000,1250,1500,2000,2500,3000"}, "at most seven"},
      {{"set", "dpi", "500,800"}, "no DPI box has the value 800"},
      {{"set", "dpi", "500,500"}, "given twice"},
      {{"set", "dpi", "500,,750"}, "is not a list of DPI values"},
      {{"set", "speed", "21"}, "1-20"},
      {{"set", "precision", "maybe"}, "on or off"},
      {{"set", "sensor", "0"}, "1-30"},
      {{"set", "rate", "300"}, "125, 250, 500 or 1000"},
      {{"set", "scroll", "31"}, "1-30 lines or one screen"},
      {{"set", "lighting", "--mode", "disco"}, "unknown lighting mode"},
      {{"set", "lighting", "--mode", "off", "--colour", "#112233"}, "single colour is set in"},
      {{"set", "lighting", "--brightness", "11"}, "1-10"},
  };
  const auto before = test::FolderContents(data);
  for (const Case& c : cases) {
    const CliRun run = Run(c.args);
    EXPECT_EQ(run.status, kExitFailure) << ::testing::PrintToString(c.args);
    EXPECT_THAT(run.err, HasSubstr(c.message)) << ::testing::PrintToString(c.args);
    EXPECT_EQ(test::FolderContents(data), before) << ::testing::PrintToString(c.args);
  }
}

TEST_F(SetCommandTest, DpiListsGiveWhatTheBoxesGive) {
  const std::vector<std::pair<std::string, std::vector<std::int32_t>>> cases = {
      {"7000,500,3250", {500, 3250, 7000}},
      {"500,750,1000,1250,1500,2000,7000", {500, 750, 1000, 1250, 1500, 2000, 7000}},
      {"4000", {4000}},
  };
  for (const auto& [list, stages] : cases) {
    const CliRun run = Run({"set", "dpi", list});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::vector<std::int32_t> expected = stages;
    expected.resize(14, 0);
    const ProfileRecord record = Profile(1);
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(record.dpiLevels), std::end(record.dpiLevels)),
              expected)
        << list;
  }
}

TEST_F(SetCommandTest, PageSettingsAreStoredAsThePageStoresThem) {
  ASSERT_EQ(Run({"set", "speed", "17"}).status, kExitOk);
  ASSERT_EQ(Run({"set", "precision", "off"}).status, kExitOk);
  ASSERT_EQ(Run({"set", "sensor", "30"}).status, kExitOk);
  ASSERT_EQ(Run({"set", "rate", "250"}).status, kExitOk);
  ASSERT_EQ(Run({"set", "scroll", "screen"}).status, kExitOk);
  ASSERT_EQ(
      Run({"set", "lighting", "--mode", "colour-cycle", "--multicolour", "on", "--colour",
           "2=#102030", "--colour", "3=palette:25", "--cycle-speed", "3", "--proximity", "off"})
          .status,
      kExitOk);
  const ProfileRecord record = Profile(1);
  EXPECT_EQ(record.pointerSpeed, 17);
  EXPECT_EQ(record.pointerPrecision, 0);
  EXPECT_EQ(record.sensorHeight, 30);
  EXPECT_EQ(record.pollingRate, 4);
  EXPECT_EQ(record.wheelScrollLines, -1);
  EXPECT_EQ(record.ledMode, 5);
  EXPECT_EQ(record.ledMultiColour, 1);
  EXPECT_EQ(record.ledColours[1], 0x302010u);
  EXPECT_EQ(record.ledColourCustom[1], 1);
  EXPECT_EQ(record.ledColours[2], 0xB95401u);
  EXPECT_EQ(record.ledColourCustom[2], 0);
  EXPECT_EQ(record.ledPresetIndex[2], 25);
  EXPECT_EQ(record.ledCycleSpeed, 6);
  EXPECT_EQ(record.proximitySensing, 0);
  ASSERT_EQ(Run({"set", "scroll", "12"}).status, kExitOk);
  EXPECT_EQ(Profile(1).wheelScrollLines, 12);
}

TEST_F(SetCommandTest, ProfileBeforeTheCommandChangesOnlyThatProfile) {
  const auto table = ReadBytes(data / "Profile/ConfigInfo.cfg");
  const auto first = ReadBytes(data / "Profile/Profile1.cfg");
  ASSERT_EQ(Run({"--profile", "3", "set", "speed", "4"}).status, kExitOk);
  EXPECT_EQ(Profile(3).pointerSpeed, 4);
  EXPECT_EQ(ReadBytes(data / "Profile/Profile1.cfg"), first);
  EXPECT_EQ(ReadBytes(data / "Profile/ConfigInfo.cfg"), table);

  // A macro lives in the table too; profile 1 stays the selected one.
  ASSERT_EQ(Run({"--profile", "3", "set", "button", "back", "macro:jump"}).status, kExitOk);
  ProfileTableEntries entries{};
  const auto saved = ReadBytes(data / "Profile/ConfigInfo.cfg");
  ASSERT_EQ(saved.size(), sizeof entries);
  std::memcpy(&entries, saved.data(), sizeof entries);
  EXPECT_EQ(entries[2].macroIds[4], 0x15000042u);
  EXPECT_EQ(entries[0].selected, 1);
  EXPECT_EQ(entries[2].selected, 0);
  const CliRun show = Run({"--profile", "3", "show"});
  EXPECT_THAT(show.out, HasSubstr("caption \"jump\""));
}

TEST_F(SetCommandTest, ListsNameEveryFunctionAndKey) {
  const CliRun functions = Run({"functions"});
  ASSERT_EQ(functions.status, kExitOk);
  EXPECT_THAT(functions.out, HasSubstr("play-pause 32 Play/Pause\n"));
  EXPECT_THAT(functions.out, HasSubstr("disable-key 121 Disable key\n"));
  const CliRun keys = Run({"keys"});
  ASSERT_EQ(keys.status, kExitOk);
  EXPECT_THAT(keys.out, HasSubstr("PageUp 4b\n"));
  EXPECT_THAT(keys.out, HasSubstr("Enter 28\n"));
  EXPECT_THAT(keys.out, ::testing::Not(HasSubstr("Enter 58")));
}

}  // namespace
}  // namespace n63k::cli
