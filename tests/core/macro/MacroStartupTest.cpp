#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/app/ProgramState.h"
#include "support/LanguageFolder.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::RecordingMessages;
using test::TempDir;

class MacroStartupTest : public ::testing::Test {
 protected:
  MacroStartupTest() {
    // The English installation's file is in force when the macros load.
    test::WriteTaggedLanguageFiles(dir / "program");
    std::filesystem::create_directories(dir / "data/Profile");
  }

  TempDir dir;
  RecordingMessages messages;
  VirtualClock clock;
  ProgramState state{Folders{dir / "program", dir / "data"}, messages, clock};
};

TEST_F(MacroStartupTest, LoadsTheMacroTableWithTheStoredSettings) {
  MacroTable table;
  table.PutMacro(test::StoredMacro(0x15000001));
  test::WriteBytes(dir / "data/Macro.cfg", test::TableBytes(table));

  state.LoadStoredSettings();

  EXPECT_EQ(state.macroTable().ListMacrosOfGroup(21).size(), 1u);
}

TEST_F(MacroStartupTest, MissingMacroFileIsReportedOnceAndLeavesNoMacros) {
  state.LoadStoredSettings();

  const std::vector<std::string> texts = messages.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "en " + (dir / "data/Macro.cfg").string()), 1);
  for (int group = 1; group <= 21; ++group) {
    EXPECT_TRUE(state.macroTable().ListMacrosOfGroup(group).empty());
  }
}

}  // namespace
}  // namespace n63k
