#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/macro/MacroTable.h"
#include "support/CliRun.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using test::StoredMacro;
using test::TempDir;
using test::WriteBytes;

class MacrosCommandTest : public ::testing::Test {
 protected:
  MacrosCommandTest() {
    MacroTable table;
    table.PutMacro(
        StoredMacro(0x15001234, "Reload \"fast\"", {0xC0000041, 0xA0000032, 0xE0000041}));
    table.PutMacro(
        StoredMacro(0x03000007, "单键", {0xC000002C, 0x12345678, 0xE0000001}, kSingleKeyLoop));
    WriteBytes(dir / "Macro.cfg", test::TableBytes(table));
  }

  CliRun Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string()});
    return test::RunInProcess(args);
  }

  TempDir dir;
};

TEST_F(MacrosCommandTest, ListsEachMacroWithItsEvents) {
  const CliRun run = Cli({"macros"});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out,
            "21 0x15001234 1 3 \"Reload \\\"fast\\\"\"\n"
            "  down A\n"
            "  delay 50 ms\n"
            "  up A\n"
            "3 0x03000007 65534 3 \"单键\"\n"
            "  down 0x0000002c\n"
            "  other 0x12345678\n"
            "  up Left Button\n");
}

TEST_F(MacrosCommandTest, EncodesOneMacroAsItsDeviceImage) {
  for (const std::string id : {"0x15001234", "352326196"}) {
    const CliRun run = Cli({"macros", "--encode", id});
    EXPECT_EQ(run.status, kExitOk) << id;
    std::string expected = "00 01 06 04 81 04 00 00 00 00 00 00 00 00 00 00\n";
    for (int line = 1; line < 32; ++line) {
      expected += "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n";
    }
    expected += "words: 3\n";
    EXPECT_EQ(run.out, expected) << id;
  }
}

TEST_F(MacrosCommandTest, UnknownIdentifierFails) {
  const CliRun run = Cli({"macros", "--encode", "0x15009999"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("n63kctl: no macro 0x15009999 in the macro table\n"), std::string::npos);
}

TEST_F(MacrosCommandTest, IdentifierMustBeANumber) {
  EXPECT_EQ(Cli({"macros", "--encode", "reload"}).status, kExitUsage);
}

}  // namespace
}  // namespace n63k::cli
