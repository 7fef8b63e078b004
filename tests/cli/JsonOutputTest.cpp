#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/base/Utf.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileRecord.h"
#include "support/CliRun.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using nlohmann::json;
using test::CliRun;
using test::TempDir;

// A default data folder with two stored macros.
class JsonOutputTest : public ::testing::Test {
 protected:
  JsonOutputTest() {
    EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk);
    MacroTable table;
    EXPECT_TRUE(table.PutMacro(
        test::StoredMacro(0x15000042, "jump \"high\"", {0xC0000041, 0xA0000032, 0xE0000041}, 3)));
    EXPECT_TRUE(table.PutMacro(
        test::StoredMacro(0x03000007, "单键", {0xC000002C, 0x12345678}, kSingleKeyLoop)));
    test::WriteBytes(data / "Macro.cfg", test::TableBytes(table));
  }

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return test::RunInProcess(args);
  }

  // The command's output, which must be exactly one JSON document.
  json Parsed(std::vector<std::string> args) {
    const CliRun run = Run(std::move(args));
    EXPECT_EQ(run.status, kExitOk) << run.err;
    return json::parse(run.out);
  }

  ProfileRecord Profile(int number) const {
    ProfileRecord record{};
    const auto bytes =
        test::ReadBytes(data / ("Profile/Profile" + std::to_string(number) + ".cfg"));
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
  }

  TempDir dir;
  std::filesystem::path data = dir / "data";
};

template <typename T, std::size_t N>
json List(const T (&values)[N]) {
  return std::vector<T>(std::begin(values), std::end(values));
}

TEST_F(JsonOutputTest, ShowGivesEveryFieldOfTheProfileAsStored) {
  for (const std::vector<std::string>& set :
       {std::vector<std::string>{"set", "button", "back", "macro:0x15000042"},
        {"set", "button", "forward", "program:/usr/bin/true"},
        {"set", "dpi", "750,3000"},
        {"set", "lighting", "--mode", "breathing", "--breathing-speed", "4"},
        {"set", "scroll", "screen"}}) {
    std::vector<std::string> args = {"--profile", "2"};
    args.insert(args.end(), set.begin(), set.end());
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
  }
  const json shown = Parsed({"show", "--profile", "2", "--json"});
  const ProfileRecord r = Profile(2);
  EXPECT_EQ(shown["profile"], 2);
  EXPECT_EQ(shown["path"], (data / "Profile/Profile2.cfg").string());
  const json& record = shown["record"];
  EXPECT_EQ(record["magic"], r.magic);
  ASSERT_EQ(record["buttons"].size(), std::size_t{kButtonCount});
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const std::string name(kButtonSlots[static_cast<std::size_t>(slot)].name);
    const json& b = record["buttons"][name];
    const ButtonEntry& e = r.buttons[slot];
    EXPECT_EQ(b["slot"], slot) << name;
    EXPECT_EQ(b["functionCode"], e.functionCode) << name;
    EXPECT_EQ(b["caption"], FixedText(e.caption)) << name;
    EXPECT_EQ(b["macroId"], e.macroId) << name;
    EXPECT_EQ(b["comboWord"], e.comboWord) << name;
    EXPECT_EQ(b["pcActionKind"], e.pcActionKind) << name;
    EXPECT_EQ(b["pcActionTag"], e.pcActionTag) << name;
    EXPECT_EQ(b["pcActionPath"], FixedText(e.pcActionPath)) << name;
  }
  EXPECT_EQ(record["buttons"]["back"]["macroId"], 0x15000042u);
  EXPECT_EQ(record["buttons"]["back"]["functionCode"], 6);
  EXPECT_EQ(record["buttons"]["left"]["functionName"], "Click");
  EXPECT_EQ(record["buttons"]["forward"]["pcActionPath"], "/usr/bin/true");
  EXPECT_EQ(record["dpiLevels"], List(r.dpiLevels));
  EXPECT_EQ(record["dpiLevels"][1], 3000);
  EXPECT_EQ(record["ledColours"], List(r.ledColours));
  EXPECT_EQ(record["ledColourCustom"], List(r.ledColourCustom));
  EXPECT_EQ(record["ledPresetIndex"], List(r.ledPresetIndex));
  const std::vector<std::pair<const char*, std::int32_t>> fields = {
      {"sensorHeight", r.sensorHeight},
      {"pollingRate", r.pollingRate},
      {"ledMode", r.ledMode},
      {"ledMultiColour", r.ledMultiColour},
      {"proximitySensing", r.proximitySensing},
      {"pointerPrecision", r.pointerPrecision},
      {"pointerSpeed", r.pointerSpeed},
      {"ledBrightness", r.ledBrightness},
      {"ledBreathingSpeed", r.ledBreathingSpeed},
      {"ledCycleSpeed", r.ledCycleSpeed},
      {"wheelScrollLines", r.wheelScrollLines},
  };
  for (const auto& [key, value] : fields) {
    EXPECT_EQ(record[key], value) << key;
  }
  EXPECT_EQ(record["ledBreathingSpeed"], 4);
  EXPECT_EQ(record["wheelScrollLines"], -1);
}

TEST_F(JsonOutputTest, ProfilesGivesTheTable) {
  ASSERT_EQ(Run({"set", "button", "back", "macro:0x15000042"}).status, kExitOk);
  const json table = Parsed({"profiles", "--json"});
  EXPECT_EQ(table["current"], 1);
  ASSERT_EQ(table["profiles"].size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const json& entry = table["profiles"][static_cast<std::size_t>(i)];
    EXPECT_EQ(entry["number"], i + 1);
    EXPECT_EQ(entry["valid"], true);
    EXPECT_EQ(entry["current"], i == 0);
    EXPECT_EQ(entry["macroIds"].size(), 7u);
  }
  EXPECT_EQ(table["profiles"][0]["selected"], true);
  EXPECT_EQ(table["profiles"][0]["macroIds"][4], 0x15000042u);
  EXPECT_EQ(table["profiles"][1]["macroIds"][4], 0u);
}

TEST_F(JsonOutputTest, MacrosGivesEachMacroWithItsEvents) {
  const json listed = Parsed({"macros", "--json"});
  EXPECT_EQ(listed, json::parse(R"({"macros": [
    {"group": 21, "identifier": 352321602, "loopCount": 3, "eventCount": 3,
     "name": "jump \"high\"", "events": [
       {"kind": "down", "value": 65, "key": "A"},
       {"kind": "delay", "value": 50},
       {"kind": "up", "value": 65, "key": "A"}]},
    {"group": 3, "identifier": 50331655, "loopCount": 65534, "eventCount": 2,
     "name": "单键", "events": [
       {"kind": "down", "value": 44, "key": "0x0000002c"},
       {"kind": "other", "value": 305419896}]}]})"));
}

TEST_F(JsonOutputTest, BytesThatAreNoUtf8StillGiveValidJson) {
  const std::filesystem::path odd = dir /
                                    "da\xff"
                                    "ta";
  ASSERT_EQ(Run({"defaults", odd.string()}).status, kExitOk);
  const CliRun run = test::RunInProcess({"--data", odd.string(), "show", "--json"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const json shown = json::parse(run.out);
  EXPECT_NE(shown["path"].get<std::string>().find("da\xef\xbf\xbdta"), std::string::npos);
}

TEST_F(JsonOutputTest, JsonIsRefusedWithTheDeviceImage) {
  const CliRun run = Run({"macros", "--json", "--encode", "0x15000042"});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace n63k::cli
