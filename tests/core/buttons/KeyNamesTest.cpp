#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/buttons/KeyNames.h"

namespace n63k {
namespace {

using KeyCase = std::pair<std::uint32_t, std::string>;

class GetKeyNameTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GetKeyNameTest, NamesTheKey) {
  EXPECT_EQ(GetKeyName(GetParam().first, UsKeyCharacters()), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    UsKeyboard, GetKeyNameTest,
    ::testing::Values(KeyCase{0x00, ""}, KeyCase{0xFF, ""}, KeyCase{0x0D, "Enter"},
                      KeyCase{0x2B, "Enter"}, KeyCase{0x6C, "\\"}, KeyCase{0x0C, "Clr"},
                      KeyCase{0x14, "CapsLock"}, KeyCase{0x2C, "PrtSc SysRq"}, KeyCase{0x60, "(0)"},
                      KeyCase{0x69, "(9)"}, KeyCase{0x6E, "(.)"}, KeyCase{0x7B, "F12"},
                      KeyCase{0x91, "Scroll Lock"}, KeyCase{0xA5, "RAlt"},
                      // Keys the table does not name read as their character.
                      KeyCase{0x41, "A"}, KeyCase{0x5A, "Z"}, KeyCase{0x30, "0"},
                      KeyCase{0xBA, ";"}, KeyCase{0xC0, "`"}, KeyCase{0xDC, "\\"},
                      KeyCase{0xDE, "'"},
                      // Keys that type no character.
                      KeyCase{0x07, ""}, KeyCase{0xE2, ""}, KeyCase{0x141, ""}));

// A layout other than US, as the platform layer may report it.
class GermanKeyCharacters final : public KeyCharacters {
 public:
  char16_t CharacterOf(std::uint32_t virtualKey) const override {
    switch (virtualKey) {
      case 0x59:
        return u'z';
      case 0xDE:
        return u'ä';
      default:
        return u'\0';
    }
  }
};

TEST(GetKeyName, AsksTheLayoutForKeysWithoutName) {
  const GermanKeyCharacters layout;
  EXPECT_EQ(GetKeyName(0x59, layout), "Z");
  EXPECT_EQ(GetKeyName(0xDE, layout), "ä");
  EXPECT_EQ(GetKeyName(0x41, layout), "");
  EXPECT_EQ(GetKeyName(0x0D, layout), "Enter");
}

using ComboCase = std::pair<std::uint32_t, std::string>;

class GetComboTextTest : public ::testing::TestWithParam<ComboCase> {};

TEST_P(GetComboTextTest, ShowsModifiersThenKey) {
  EXPECT_EQ(GetComboText(GetParam().first, UsKeyCharacters()), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Words, GetComboTextTest,
    ::testing::Values(ComboCase{0x00E20000, "LAlt"}, ComboCase{0x00E00000, "LCtrl"},
                      ComboCase{0x00E10000, "LShift"}, ComboCase{0x00E30000, "LWin"},
                      ComboCase{0x000F0800, "Win + L"}, ComboCase{0x002B0400, "Alt + Tab"},
                      ComboCase{0x003D0400, "Alt + F4"}, ComboCase{0x00570800, "Win + (+)"},
                      ComboCase{0x00060300, "Shift + Ctrl + C"},
                      ComboCase{0x00280F00, "Shift + Ctrl + Alt + Win + Enter"},
                      ComboCase{0x00040500, "Ctrl + Alt + A"},
                      // A usage without pair leaves the key empty.
                      ComboCase{0x00000300, "Shift + Ctrl + "}, ComboCase{0x00000000, ""},
                      // Modifier bits this system never produces are not named.
                      ComboCase{0x00043000, "A"}));

using MacroNameCase = std::pair<std::uint32_t, std::string>;

class GetMacroKeyNameTest : public ::testing::TestWithParam<MacroNameCase> {};

TEST_P(GetMacroKeyNameTest, NamesByTheLowByte) {
  EXPECT_EQ(GetMacroKeyName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GetMacroKeyNameTest,
    ::testing::Values(MacroNameCase{0x2C, ""}, MacroNameCase{0x2A, "Print"},
                      MacroNameCase{0x0101, "Left Button"}, MacroNameCase{0x04, "Middle Button"},
                      MacroNameCase{0xDC, "|"}, MacroNameCase{0xC0, "~"},
                      MacroNameCase{0x6C, "NUM Enter"}, MacroNameCase{0x6E, "NUM Del"},
                      MacroNameCase{0x14, "Cap"}, MacroNameCase{0x1B, "ESC"},
                      MacroNameCase{0x41, "A"}, MacroNameCase{0x22, "Page Down"},
                      MacroNameCase{0x00, ""}, MacroNameCase{0xC0000041, "A"}));

TEST(MacroKeyNames, HasOneNamePerCode) {
  std::set<std::uint8_t> codes;
  for (const KeyName& key : MacroKeyNames()) {
    EXPECT_TRUE(codes.insert(key.code).second) << key.name;
  }
  EXPECT_EQ(codes.size(), 106u);
}

}  // namespace
}  // namespace n63k
