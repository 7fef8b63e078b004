#include <gtest/gtest.h>

#include "core/buttons/DeviceWord.h"
#include "core/pages/ChooserChoices.h"
#include "support/Macros.h"

namespace n63k {
namespace {

std::uint32_t WordOf(const std::optional<ChooserResult>& result) {
  return result ? std::get<KeyCombination>(result->choice).deviceWord : 0;
}

TEST(ChooserChoices, KeyCombinationPageWords) {
  struct Case {
    std::uint8_t modifiers;
    std::uint32_t virtualKey;
    std::uint32_t word;  // 0: the page closes as a cancel
  };
  const std::vector<Case> cases = {
      {kModifierCtrl, 'C', 0x00060100},
      {kModifierShift, 0, 0x00E10000},
      {kModifierCtrl, 0, 0x00E00000},
      {kModifierWin, 0, 0x00E30000},
      {kModifierShift | kModifierAlt, 0, 0},
      {0, 0x0D, 0x00280000},
      {0, 0, 0},
      {0, 0x0C, 0},  // a key without a usage
      {kModifierCtrl | kModifierAlt, 0x2E, 0x004C0500},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WordOf(ChooseKeyCombination(2, c.modifiers, c.virtualKey)), c.word)
        << int{c.modifiers} << ' ' << c.virtualKey;
  }
}

TEST(ChooserChoices, PcActionsCarryTheRowTagAndAPathThatFits) {
  const PcActionChoice folder = ChoosePcAction(6, PcActionKind::kFolder, "/tmp");
  ASSERT_EQ(folder.problem, PcActionProblem::kNone);
  EXPECT_EQ(std::get<PcAction>(folder.result.choice).tag, 0x00F60006u);
  EXPECT_EQ(PcActionTag(0, PcActionKind::kSound), 0x00C00006u);
  EXPECT_EQ(ChoosePcAction(1, PcActionKind::kFile, "").problem, PcActionProblem::kEmptyPath);
  EXPECT_EQ(ChoosePcAction(1, PcActionKind::kFile, std::string(259, 'a')).problem,
            PcActionProblem::kNone);
  EXPECT_EQ(ChoosePcAction(1, PcActionKind::kFile, std::string(260, 'a')).problem,
            PcActionProblem::kPathTooLong);
  // Counted in UTF-16 units: a character beyond U+FFFF takes two.
  std::string wide;
  for (int i = 0; i < 130; ++i) {
    wide += "\xF0\x9F\x98\x80";
  }
  EXPECT_EQ(ChoosePcAction(1, PcActionKind::kFile, wide).problem, PcActionProblem::kPathTooLong);
}

TEST(ChooserChoices, OnlyStoredMacrosAndTheSlotsDefaults) {
  MacroTable table;
  ASSERT_TRUE(table.PutMacro(test::StoredMacro(0x15000001)));
  EXPECT_TRUE(ChooseMacro(3, 0x15000001, table).has_value());
  EXPECT_FALSE(ChooseMacro(3, 0x15000002, table).has_value());
  EXPECT_FALSE(ChooseMacro(3, 0, table).has_value());
  EXPECT_EQ(std::get<BasicFunction>(ChooseDefaultFunction(6).choice).code, 22);
  EXPECT_EQ(std::get<BasicFunction>(ChooseDefaultFunction(0).choice).code, 1);
}

}  // namespace
}  // namespace n63k
