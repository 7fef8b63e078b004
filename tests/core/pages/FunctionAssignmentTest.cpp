#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/pages/FunctionAssignment.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::RecordingMessages;

constexpr std::uint32_t kMacroId = 0x15000042;

ChooserResult Basic(int slot, std::int32_t code) {
  return {slot, BasicFunction{code}};
}

ChooserResult Combination(int slot, std::uint32_t word) {
  return {slot, KeyCombination{word}};
}

ChooserResult Macro(int slot, std::uint32_t identifier) {
  return {slot, MacroFunction{identifier}};
}

ChooserResult Disabled(int slot) {
  return {slot, DisabledFunction{}};
}

ChooserResult Action(int slot, std::int32_t index, std::uint32_t tag, std::string path) {
  return {slot, PcAction{static_cast<PcActionKind>(index), tag, std::move(path)}};
}

class FunctionAssignmentTest : public ::testing::Test {
 protected:
  FunctionAssignmentTest() {
    localisation.chineseUi = false;
    BuildDefaultProfile(record, false);
    macros.PutMacro(test::StoredMacro(kMacroId, "Reload"));
  }

  std::string Caption(int slot) const { return FixedText(record.buttons[slot].caption); }

  bool Unchanged(const ProfileRecord& before, const ButtonMacroIds& idsBefore) const {
    return std::memcmp(&before, &record, sizeof record) == 0 && idsBefore == macroIds;
  }

  ProfileRecord record;
  ButtonMacroIds macroIds{};
  MacroTable macros;
  RecordingMessages messages;
  Localisation localisation;
  UsKeyCharacters keys;
  FunctionAssignment assignment{record, macroIds, macros, messages, localisation, keys};
};

const std::string kLeftClickEnglish = "At least one button must be configured as 'Left click'!";
const std::string kLeftClickChinese = "请保留至少一个键为\"单击\"功能!";
const std::string kSniperEnglish = "This key can not use the sniper function!";
const std::string kSniperChinese = "此按键不可使用狙击功能!";

struct RuleCase {
  const char* what;
  bool chineseUi;
  int clickSlot;  // the slot set to Click before, besides slot 0; -1 none
  bool slot0Clicks;
  ChooserResult result;
  std::string message;  // empty: accepted
};

class AssignmentRuleTest : public FunctionAssignmentTest,
                           public ::testing::WithParamInterface<RuleCase> {};

TEST_P(AssignmentRuleTest, AcceptsOrRefusesWithItsMessage) {
  const RuleCase& c = GetParam();
  localisation.chineseUi = c.chineseUi;
  if (c.clickSlot >= 0) {
    record.buttons[c.clickSlot].functionCode = 1;
  }
  if (!c.slot0Clicks) {
    record.buttons[0].functionCode = 2;
  }
  const ProfileRecord before = record;
  const ButtonMacroIds idsBefore = macroIds;

  const bool accepted = assignment.AssignFunction(c.result);

  EXPECT_EQ(accepted, c.message.empty()) << c.what;
  if (accepted) {
    EXPECT_TRUE(messages.shown.empty()) << c.what;
  } else {
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_TRUE(Unchanged(before, idsBefore)) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AssignmentRuleTest,
    ::testing::Values(
        RuleCase{"the only left click cannot go", false, -1, true, Basic(0, 16), kLeftClickEnglish},
        RuleCase{"in Chinese", true, -1, true, Basic(0, 16), kLeftClickChinese},
        RuleCase{"the only left click stays a click", false, -1, true, Basic(0, 1), ""},
        RuleCase{"nor becomes a combination", false, -1, true, Combination(0, 0x00060300),
                 kLeftClickEnglish},
        RuleCase{"nor is disabled", false, -1, true, Disabled(0), kLeftClickEnglish},
        RuleCase{"nor becomes a macro", false, -1, true, Macro(0, kMacroId), kLeftClickEnglish},
        RuleCase{"another click frees it", false, 2, true, Basic(0, 2), ""},
        RuleCase{"another slot may change", false, -1, true, Basic(3, 40), ""},
        RuleCase{"without any click only a click is accepted", false, -1, false, Basic(3, 40),
                 kLeftClickEnglish},
        RuleCase{"a click repairs it", false, -1, false, Basic(3, 1), ""},
        RuleCase{"sniper on the middle button", false, -1, true, Basic(1, 142), ""},
        RuleCase{"sniper on a side button", false, -1, true, Basic(4, 142), ""},
        RuleCase{"sniper on wheel up", false, -1, true, Basic(5, 142), kSniperEnglish},
        RuleCase{"sniper on wheel down", true, -1, true, Basic(6, 142), kSniperChinese},
        RuleCase{"the left-click rule comes first", false, -1, false, Basic(5, 142),
                 kLeftClickEnglish},
        RuleCase{"sniper on the only left click", true, -1, true, Basic(0, 142), kLeftClickChinese},
        RuleCase{"sniper on slot 0 with another click", false, 2, true, Basic(0, 142), ""}));

struct NotProducedCase {
  const char* what;
  ChooserResult result;
};

class NotProducedTest : public FunctionAssignmentTest,
                        public ::testing::WithParamInterface<NotProducedCase> {};

TEST_P(NotProducedTest, IsRefusedSilently) {
  const ProfileRecord before = record;
  EXPECT_FALSE(assignment.AssignFunction(GetParam().result)) << GetParam().what;
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Unchanged(before, ButtonMacroIds{}));
}

INSTANTIATE_TEST_SUITE_P(
    Results, NotProducedTest,
    ::testing::Values(NotProducedCase{"slot past the wheel", Basic(7, 1)},
                      NotProducedCase{"negative slot", Basic(-1, 1)},
                      NotProducedCase{"basic code of the macro page", Basic(1, 6)},
                      NotProducedCase{"basic code outside the catalogue", Basic(1, 999)},
                      NotProducedCase{"unknown PC action", Action(1, 4, 0, "/bin/true")},
                      NotProducedCase{"negative PC action", Action(1, -1, 0, "/bin/true")}));

struct CaptionCase {
  bool chineseUi;
  ChooserResult result;
  std::int32_t code;
  std::string caption;
};

class AssignedCaptionTest : public FunctionAssignmentTest,
                            public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(AssignedCaptionTest, WritesCodeAndCaption) {
  const CaptionCase& c = GetParam();
  localisation.chineseUi = c.chineseUi;
  ASSERT_TRUE(assignment.AssignFunction(c.result));
  EXPECT_EQ(record.buttons[c.result.buttonIndex].functionCode, c.code);
  EXPECT_EQ(Caption(c.result.buttonIndex), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AssignedCaptionTest,
    ::testing::Values(CaptionCase{false, Basic(1, 40), 40, "Music"},
                      CaptionCase{true, Basic(1, 40), 40, "音乐"},
                      CaptionCase{false, Basic(2, 126), 126, "sreen zoom in"},
                      CaptionCase{true, Basic(5, 22), 22, "滚轮后滚"},
                      CaptionCase{false, Disabled(3), 121, "Disable key"},
                      CaptionCase{true, Disabled(3), 121, "禁用按键"},
                      CaptionCase{false, Combination(4, 0x00060300), 5, "Shift + Ctrl + C"},
                      CaptionCase{true, Combination(4, 0x002B0400), 5, "Alt + Tab"},
                      CaptionCase{false, Combination(6, 0x00E20000), 5, "LAlt"},
                      CaptionCase{false, Macro(1, kMacroId), 6, "Reload"},
                      CaptionCase{false, Macro(1, 0x15000043), 6, ""},
                      CaptionCase{true, Action(2, 1, 0x00D20006, "/usr/bin/gimp"), 19,
                                  "/usr/bin/gimp"}));

TEST_F(FunctionAssignmentTest, CombinationKeepsItsWord) {
  ASSERT_TRUE(assignment.AssignFunction(Combination(4, 0x000F0800)));
  EXPECT_EQ(record.buttons[4].comboWord, 0x000F0800u);
}

TEST_F(FunctionAssignmentTest, MacroGoesIntoTheEntryAndTheButtonMacros) {
  ASSERT_TRUE(assignment.AssignFunction(Macro(3, kMacroId)));
  EXPECT_EQ(record.buttons[3].macroId, kMacroId);
  EXPECT_EQ(macroIds[3], kMacroId);
}

TEST_F(FunctionAssignmentTest, AnotherFunctionTakesTheMacroOffTheButton) {
  ASSERT_TRUE(assignment.AssignFunction(Macro(3, kMacroId)));
  ASSERT_TRUE(assignment.AssignFunction(Basic(3, 16)));
  EXPECT_EQ(macroIds[3], 0u);
  EXPECT_EQ(record.buttons[3].functionCode, 16);
  EXPECT_EQ(record.buttons[3].macroId, kMacroId);  // kept, but read only for code 6
}

TEST_F(FunctionAssignmentTest, PcActionKindFollowsTheActionIndex) {
  const std::int32_t kinds[] = {0xC0, 0xD0, 0xE0, 0xF0};
  for (std::int32_t index = 0; index < 4; ++index) {
    const std::uint32_t tag =
        5 * 0x10000 + 0x00C00006 + 0x100000 * static_cast<std::uint32_t>(index);
    ASSERT_TRUE(assignment.AssignFunction(Action(5, index, tag, "/home/u/My Files/a.wav")));
    EXPECT_EQ(record.buttons[5].pcActionKind, kinds[index]);
    EXPECT_EQ(record.buttons[5].pcActionTag, tag);
    EXPECT_EQ(FixedText(record.buttons[5].pcActionPath), "/home/u/My Files/a.wav");
  }
}

TEST_F(FunctionAssignmentTest, LongPathIsCutToTheField) {
  const std::string path = "/" + std::string(300, 'p');
  ASSERT_TRUE(assignment.AssignFunction(Action(2, 2, 0, path)));
  EXPECT_EQ(FixedText(record.buttons[2].pcActionPath), path.substr(0, 259));
  EXPECT_EQ(Caption(2), path.substr(0, 259));
}

struct NormaliseCase {
  std::string stored;
  bool chineseUi;
  std::string shown;
};

class NormaliseCaptionTest : public FunctionAssignmentTest,
                             public ::testing::WithParamInterface<NormaliseCase> {};

TEST_P(NormaliseCaptionTest, FollowsTheInterfaceLanguage) {
  const NormaliseCase& c = GetParam();
  localisation.chineseUi = c.chineseUi;
  SetFixedText(record.buttons[4].caption, c.stored);
  assignment.NormaliseCaption(4);
  EXPECT_EQ(Caption(4), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, NormaliseCaptionTest,
    ::testing::Values(NormaliseCase{"Click", true, "单击"}, NormaliseCase{"单击", false, "Click"},
                      NormaliseCase{"Middle", true, "中键"}, NormaliseCase{"菜单", false, "Menu"},
                      NormaliseCase{"Forward", true, "前进"}, NormaliseCase{"后退", false, "Back"},
                      NormaliseCase{"Scroll up", true, "滚轮前滚"},
                      NormaliseCase{"滚轮后滚", false, "Scroll down"},
                      NormaliseCase{"Click", false, "Click"}, NormaliseCase{"单击", true, "单击"},
                      // Only the seven default names, and only exactly.
                      NormaliseCase{"Music", true, "Music"}, NormaliseCase{"音乐", false, "音乐"},
                      NormaliseCase{"Click ", true, "Click "},
                      NormaliseCase{"/usr/share/sounds/Back", true, "/usr/share/sounds/Back"}));

TEST_F(FunctionAssignmentTest, EnglishDefaultsReadInChineseAfterSwitching) {
  localisation.chineseUi = true;
  assignment.NormaliseCaption(6);
  EXPECT_EQ(Caption(6), "滚轮后滚");
}

}  // namespace
}  // namespace n63k
