#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/base/Hex.h"
#include "core/base/Utf.h"
#include "core/buttons/KeyNames.h"
#include "core/macro/MacroTable.h"
#include "support/CliRun.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using test::DelayEvent;
using test::DownEvent;
using test::StoredMacro;
using test::TempDir;
using test::UpEvent;
using ::testing::HasSubstr;

// A default data folder whose macro table holds the given macros.
class MacroTextTest : public ::testing::Test {
 protected:
  MacroTextTest() { EXPECT_EQ(Run({"defaults", data.string()}).status, kExitOk); }

  void StoreTable(const std::vector<MacroRecord>& records) {
    MacroTable table;
    for (const MacroRecord& record : records) {
      EXPECT_TRUE(table.PutMacro(record));
    }
    test::WriteBytes(data / "Macro.cfg", test::TableBytes(table));
  }

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return test::RunInProcess(args, DeviceEnvironment{&clock});
  }

  // Imports `text`; the stored record, or none when refused.
  std::optional<MacroRecord> Import(const std::string& text, CliRun* run = nullptr) {
    test::WriteBytes(dir / "in.txt", {text.begin(), text.end()});
    const CliRun result = Run({"macros", "--import", (dir / "in.txt").string()});
    if (run != nullptr) {
      *run = result;
    }
    if (result.status != kExitOk) {
      return std::nullopt;
    }
    const std::uint32_t id = static_cast<std::uint32_t>(std::stoul(result.out, nullptr, 16));
    const MacroTable table = Table();
    const MacroRecord* record = table.FindMacro(id);
    EXPECT_NE(record, nullptr) << result.out;
    return record == nullptr ? std::nullopt : std::optional<MacroRecord>(*record);
  }

  MacroTable Table() const {
    MacroTable table;
    table.Fill(test::ReadBytes(data / "Macro.cfg"));
    return table;
  }

  TempDir dir;
  std::filesystem::path data = dir / "data";
  VirtualClock clock{0x123456};
};

std::vector<MacroEvent> Events(const MacroRecord& record) {
  const auto events = EventsOf(record);
  return {events.begin(), events.end()};
}

// A text with the header and `keys` presses of A, each followed by `delays`
// delay lines of 1 ms.
std::string Presses(std::size_t keys, std::size_t delays = 0) {
  std::string text = "name many\ngroup 21\nloop 1\n";
  for (std::size_t i = 0; i < keys; ++i) {
    text += i % 2 == 0 ? "down A\n" : "up A\n";
    for (std::size_t d = 0; d < delays; ++d) {
      text += "delay 1\n";
    }
  }
  return text;
}

TEST_F(MacroTextTest, ExportThenImportGivesTheSameMacro) {
  std::vector<MacroEvent> allKeys;
  for (const KeyName& key : MacroKeyNames()) {
    allKeys.push_back(DownEvent(key.code));
    allKeys.push_back(UpEvent(key.code));
  }
  const std::vector<MacroRecord> macros = {
      StoredMacro(0x15000042, "burst",
                  {DownEvent(0x41), DelayEvent(50), UpEvent(0x41), DelayEvent(1271)}, 12),
      StoredMacro(0x01000001, "single", {DownEvent(0x2C)}, kSingleKeyLoop),
      StoredMacro(0x14000002, "codes",
                  {DownEvent(0x07), DownEvent(0x1A0), DelayEvent(0xFFFFFF), UpEvent(0x1A0)},
                  kMaxLoopCount),
      StoredMacro(0x0D000003, "a\\b\nc 单键", {DownEvent(0x01), UpEvent(0x01)}),
      StoredMacro(0x02000004, "all keys", allKeys, 2),
  };
  StoreTable(macros);
  for (const MacroRecord& original : macros) {
    const std::string id = Hex32(original.identifier);
    const std::filesystem::path file = dir / "out.txt";
    const CliRun exported = Run({"macros", "--export", id, file.string()});
    ASSERT_EQ(exported.status, kExitOk) << id << exported.err;
    const std::string text = test::ReadText(file);
    const std::optional<MacroRecord> imported = Import(text);
    ASSERT_TRUE(imported) << id << '\n' << text;
    EXPECT_NE(imported->identifier, original.identifier) << id;
    EXPECT_EQ(MacroGroup(imported->identifier), MacroGroup(original.identifier)) << id;
    EXPECT_EQ(imported->loopCount, original.loopCount) << id;
    EXPECT_EQ(Events(*imported), Events(original)) << id;
    EXPECT_EQ(FixedText(imported->name), FixedText(original.name)) << id;
  }
  EXPECT_EQ(test::ReadText(dir / "out.txt").substr(0, 33), "name all keys\ngroup 2\nloop 2\ndown");
}

TEST_F(MacroTextTest, TheTextIsWrittenAsDocumented) {
  StoreTable(
      {StoredMacro(0x15000042, "a\\b", {DownEvent(0x21), DelayEvent(70), UpEvent(0x1A0)}, 3)});
  ASSERT_EQ(Run({"macros", "--export", "0x15000042", (dir / "m.txt").string()}).status, kExitOk);
  EXPECT_EQ(test::ReadText(dir / "m.txt"),
            "name a\\\\b\ngroup 21\nloop 3\ndown Page Up\ndelay 70\nup 0x000001a0\n");
}

TEST_F(MacroTextTest, ImportStoresAsTheMacroPageStoresARecording) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<MacroEvent> events;
    std::uint32_t loopCount;
    std::uint32_t size;
  };
  const std::string header = "name m\ngroup 21\n";
  const std::vector<Case> cases = {
      {"leading delays dropped, counted in the size",
       header + "loop 2\ndelay 5\ndown a\ndelay 10\nup A\n",
       {DownEvent(0x41), DelayEvent(10), UpEvent(0x41)},
       2,
       4100 + 4 * 4},
      {"adjacent delays merged and capped",
       header + "loop 1\ndown A\ndelay 325000\ndelay 5000\nup A\n",
       {DownEvent(0x41), DelayEvent(327670), UpEvent(0x41)},
       1,
       4100 + 4 * 4},
      {"a single key press",
       header + "loop 9\ndown NUM 1\n",
       {DownEvent(0x61)},
       kSingleKeyLoop,
       4100 + 4},
      {"loop 0 reads as 1",
       header + "loop 0\ndown A\nup A\n",
       {DownEvent(0x41), UpEvent(0x41)},
       1,
       4100 + 4 * 2},
      {"loop above the field's most",
       header + "loop 99999\ndown A\nup A\n",
       {DownEvent(0x41), UpEvent(0x41)},
       kMaxLoopCount,
       4100 + 4 * 2},
      {"leading zeros, comments, blank lines and CR LF",
       "# shared\r\nname m\r\n\r\ngroup 21\r\nloop 00012\r\ndown A\r\n",
       {DownEvent(0x41)},
       kSingleKeyLoop,
       4100 + 4},
  };
  for (const Case& c : cases) {
    const std::optional<MacroRecord> record = Import(c.text);
    ASSERT_TRUE(record) << c.name;
    EXPECT_EQ(Events(*record), c.events) << c.name;
    EXPECT_EQ(record->loopCount, c.loopCount) << c.name;
    EXPECT_EQ(record->size, c.size) << c.name;
    EXPECT_EQ(record->magic, kMacroMagic) << c.name;
  }
}

TEST_F(MacroTextTest, AnEmptyNameIsTheNewMacroName) {
  const std::optional<MacroRecord> record = Import("name \ngroup 5\nloop 1\ndown A\n");
  ASSERT_TRUE(record);
  EXPECT_EQ(FixedText(record->name), "New Macro");
  EXPECT_EQ(MacroGroup(record->identifier), 5);
}

TEST_F(MacroTextTest, LimitsOfTheRecorderAndTheRecordHold) {
  struct Case {
    const char* name;
    std::string text;
    int refusedLine;  // 0: stored
    std::string message;
  };
  const std::vector<Case> cases = {
      {"999 keys", Presses(999), 0, ""},
      {"1000 keys", Presses(1000), 3 + 1000, "more than 999 key events"},
      // 500 keys and a delay after each: 1000 events.
      {"1000 events", Presses(500, 1), 0, ""},
      // Merged delays take one place: still 1000 events.
      {"1000 events once merged", Presses(500, 3), 0, ""},
      {"1001 events", Presses(500, 1) + "down A\n", 3 + 1000 + 1,
       "more than 1000 events once adjacent delays are merged"},
      {"20 characters", "name 12345678901234567890\ngroup 1\nloop 1\ndown A\n", 0, ""},
      {"21 characters", "name 123456789012345678901\ngroup 1\nloop 1\ndown A\n", 1,
       "longer than 20 characters"},
      {"delay of 24 bits", "name m\ngroup 1\nloop 1\ndown A\ndelay 16777216\n", 5,
       "from 0 to 16777215"},
  };
  for (const Case& c : cases) {
    StoreTable({});
    const auto before = test::ReadBytes(data / "Macro.cfg");
    CliRun run;
    const std::optional<MacroRecord> record = Import(c.text, &run);
    if (c.refusedLine == 0) {
      EXPECT_TRUE(record) << c.name << run.err;
      continue;
    }
    EXPECT_EQ(run.status, kExitFailure) << c.name;
    EXPECT_THAT(run.err, HasSubstr("in.txt:" + std::to_string(c.refusedLine) + ": ")) << c.name;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.name;
    EXPECT_EQ(test::ReadBytes(data / "Macro.cfg"), before) << c.name;
  }
}

TEST_F(MacroTextTest, MalformedLinesAreRefusedWithTheirNumberAndNothingStored) {
  struct Case {
    std::string text;
    int line;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"", 1, "ends before its name line"},
      {"group 1\nname m\n", 1, "expected the name line"},
      {"name m\nloop 1\n", 2, "expected the group line"},
      {"name m\ngroup 0\n", 2, "group must be a number from 1 to 21"},
      {"name m\ngroup 22\n", 2, "group must be a number from 1 to 21"},
      {"name m\ngroup x\n", 2, "group must be"},
      {"name m\ngroup 1\n", 2, "ends before its loop line"},
      {"name m\ngroup 1\nloop -1\n", 3, "loop count must be a decimal number"},
      {"name m\ngroup 1\nloop\n", 3, "loop count must be a decimal number"},
      {"name m\ngroup 1\nloop 1\n", 3, "no key event"},
      {"name m\ngroup 1\nloop 1\ndelay 5\n", 4, "no key event"},
      {"name m\ngroup 1\nloop 1\npress A\n", 4, "expected down KEY, up KEY or delay MS"},
      {"name m\ngroup 1\nloop 1\ndown\n", 4, "no key \"\""},
      {"name m\ngroup 1\nloop 1\ndown Hyper\n", 4, "no key \"Hyper\""},
      {"name m\ngroup 1\nloop 1\ndown 0x0\n", 4, "no key"},
      {"name m\ngroup 1\nloop 1\ndown 0x1000000\n", 4, "no key"},
      {"name m\ngroup 1\nloop 1\ndown  A\n", 4, "no key \" A\""},
      {"name m\ngroup 1\nloop 1\ndown A\ndelay 5 ms\n", 5, "delay must be a number"},
      {"name m\ngroup 1\nloop 1\ndown A\ndelay -5\n", 5, "delay must be a number"},
      {"name m\ngroup 1\nloop 1\ndown A\nname n\n", 5, "expected down KEY"},
      {"name a\\qb\ngroup 1\nloop 1\ndown A\n", 1, "backslash in the name"},
      {"name a\\\ngroup 1\nloop 1\ndown A\n", 1, "backslash in the name"},
      {std::string("name a\0b\ngroup 1\nloop 1\ndown A\n", 31), 1, "must not hold a zero byte"},
  };
  StoreTable({StoredMacro(0x15000042)});
  const auto before = test::ReadBytes(data / "Macro.cfg");
  for (const Case& c : cases) {
    CliRun run;
    EXPECT_FALSE(Import(c.text, &run)) << c.text;
    EXPECT_EQ(run.status, kExitFailure) << c.text;
    EXPECT_EQ(run.out, "") << c.text;
    EXPECT_THAT(run.err, HasSubstr("in.txt:" + std::to_string(c.line) + ": ")) << c.text;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.text;
    EXPECT_EQ(test::ReadBytes(data / "Macro.cfg"), before) << c.text;
  }
}

TEST_F(MacroTextTest, ImportsNeverReplaceAStoredMacro) {
  StoreTable({StoredMacro(0x15123456, "old")});
  const std::optional<MacroRecord> record = Import("name new\ngroup 21\nloop 1\ndown A\n");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, 0x15123457u);
  ASSERT_NE(Table().FindMacro(0x15123456), nullptr);
  EXPECT_EQ(FixedText(Table().FindMacro(0x15123456)->name), "old");
}

TEST_F(MacroTextTest, FailuresTellWhyAndChangeNothing) {
  std::vector<MacroRecord> full;
  for (std::uint32_t i = 0; i < kMacroSlotCount; ++i) {
    full.push_back(StoredMacro(0x01000000 + i));
  }
  StoreTable(full);
  const auto before = test::ReadBytes(data / "Macro.cfg");
  CliRun run;
  EXPECT_FALSE(Import("name m\ngroup 1\nloop 1\ndown A\n", &run));
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_THAT(run.err, HasSubstr("the macro table is full"));
  EXPECT_EQ(test::ReadBytes(data / "Macro.cfg"), before);

  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const std::string out = (dir / "out.txt").string();
  const std::vector<Case> cases = {
      {{"macros", "--export", "0x15000042", out}, kExitFailure, "no macro 0x15000042"},
      {{"macros", "--export", "0x01000000", (dir / "none/out.txt").string()},
       kExitFailure,
       "cannot write"},
      {{"macros", "--export", "jump", out}, kExitUsage, "no macro identifier"},
      {{"macros", "--export", "0x01000000"}, kExitUsage, "--export"},
      {{"macros", "--import", (dir / "missing.txt").string()}, kExitFailure, "cannot read"},
      {{"macros", "--import", out, "--export", "0x01000000", out}, kExitUsage, "excludes"},
  };
  for (const Case& c : cases) {
    const CliRun failed = Run(c.args);
    EXPECT_EQ(failed.status, c.status) << c.args[2];
    EXPECT_THAT(failed.err, HasSubstr(c.message)) << c.args[2];
    EXPECT_FALSE(std::filesystem::exists(out)) << c.args[2];
  }
  EXPECT_EQ(test::ReadBytes(data / "Macro.cfg"), before);
}

}  // namespace
}  // namespace n63k::cli
