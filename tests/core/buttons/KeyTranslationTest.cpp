#include <gtest/gtest.h>

#include <cstdint>

#include "core/buttons/InputHooks.h"
#include "core/buttons/KeyTranslation.h"
#include "core/buttons/KeyUsage.h"

namespace n63k {
namespace {

struct KeyCase {
  const char* name;
  std::uint32_t keysym;
  std::uint32_t evdevCode;
  std::uint32_t virtualKey;
  bool extended;
};

TEST(KeyTranslationTest, NamesKeysAsStoredKeysDo) {
  const KeyCase cases[] = {
      {"US a", 'a', 30, 0x41, false},
      {"Shift+a", 'A', 30, 0x41, false},
      {"AZERTY a on the Q key", 'a', 16, 0x41, false},
      {"Cyrillic ef on the A key", 0x6c6, 30, 0x41, false},
      {"Shift+1", '!', 2, 0x31, false},
      {"AZERTY & on the 1 key", '&', 2, 0x31, false},
      {"AZERTY e-acute on the 2 key", 0xe9, 3, 0x32, false},
      {"0", '0', 11, 0x30, false},
      {"comma", ',', 51, 0xBC, false},
      {"Shift+comma", '<', 51, 0xBC, false},
      {"German u-umlaut on the [ key", 0xfc, 26, 0xDB, false},
      {"grave", '`', 41, 0xC0, false},
      {"backslash", '\\', 43, 0xDC, false},
      {"ISO key beside left Shift", '<', 86, 0xE2, false},
      {"space", ' ', 57, 0x20, false},
      {"Return", 0xff0d, 28, 0x0D, false},
      {"keypad Enter", 0xff8d, 96, 0x0D, true},
      {"Shift+Tab", 0xfe20, 15, 0x09, false},
      {"left Shift", 0xffe1, 42, 0xA0, false},
      {"right Shift", 0xffe2, 54, 0xA1, false},
      {"left Ctrl", 0xffe3, 29, 0xA2, false},
      {"right Ctrl", 0xffe4, 97, 0xA3, true},
      {"left Alt", 0xffe9, 56, 0xA4, false},
      {"right Alt", 0xffea, 100, 0xA5, true},
      {"AltGr", 0xfe03, 100, 0xA5, true},
      {"left Super", 0xffeb, 125, 0x5B, true},
      {"right Super", 0xffec, 126, 0x5C, true},
      {"Menu", 0xff67, 127, 0x5D, true},
      {"keypad 1 with Num Lock", 0xffb1, 79, 0x61, false},
      {"keypad 1 without Num Lock", 0xff9c, 79, 0x23, false},
      {"End of the navigation block", 0xff57, 107, 0x23, true},
      {"keypad 5 without Num Lock", 0xff9d, 76, 0x0C, false},
      {"keypad point without Num Lock", 0xff9f, 83, 0x2E, false},
      {"keypad point with Num Lock", 0xffae, 83, 0x6E, false},
      {"keypad /", 0xffaf, 98, 0x6F, true},
      {"keypad *", 0xffaa, 55, 0x6A, false},
      {"Num Lock", 0xff7f, 69, 0x90, true},
      {"Up", 0xff52, 103, 0x26, true},
      {"Page Down", 0xff56, 109, 0x22, true},
      {"Print", 0xff61, 99, 0x2C, true},
      {"Pause", 0xff13, 119, 0x13, false},
      {"F1", 0xffbe, 59, 0x70, false},
      {"F12", 0xffc9, 88, 0x7B, false},
      {"play", 0x1008ff14, 164, 0xB3, true},
      {"volume up", 0x1008ff13, 115, 0xAF, true},
      {"mute", 0x1008ff12, 113, 0xAD, true},
      {"a key of no stored name", 0x1008ff2a, 116, 0, false},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TranslatedKey key = TranslateKey(c.keysym, c.evdevCode);
    EXPECT_EQ(key.virtualKey, c.virtualKey);
    EXPECT_EQ(key.extended, c.extended);
  }
}

TEST(KeyTranslationTest, KeysOfTheCombinationTableReachTheirUsage) {
  const struct {
    std::uint32_t keysym;
    std::uint32_t evdevCode;
    std::uint8_t usage;
  } cases[] = {
      {'q', 16, 0x14},    {'1', 2, 0x1E},     {'-', 12, 0x2D},     {';', 39, 0x33},
      {'/', 53, 0x38},    {0xff0d, 28, 0x28}, {0xff8d, 96, 0x28},  {0xffb0, 82, 0x62},
      {0xffab, 78, 0x57}, {0xffe4, 97, 0xE4}, {0xffeb, 125, 0xE3}, {0xff63, 110, 0x49},
      {0xff61, 99, 0x46}, {0xffc9, 88, 0x45}, {0xff7f, 69, 0x53},  {0xffae, 83, 0x63},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keysym);
    EXPECT_EQ(UsageFromKey(TranslateKey(c.keysym, c.evdevCode).virtualKey), c.usage);
  }
}

TEST(KeyTranslationTest, FlagsCarryExtendedAltAndRelease) {
  const TranslatedKey rightCtrl{0xA3, true};
  const TranslatedKey a{0x41, false};
  EXPECT_EQ(CapturedKeyFlags(a, false, false), 0U);
  EXPECT_EQ(CapturedKeyFlags(rightCtrl, false, false), key_flag::kExtended);
  EXPECT_EQ(CapturedKeyFlags(a, true, true), key_flag::kAltDown | key_flag::kRelease);
}

}  // namespace
}  // namespace n63k
