#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "core/buttons/KeyNames.h"
#include "core/buttons/KeyTranslation.h"
#include "core/buttons/KeyUsage.h"
#include "platform/XkbKeyCharacters.h"

namespace n63k {
namespace {

TEST(XkbKeys, KeysymsOfTheTranslationAreTheOnesXkbNames) {
  const struct {
    const char* name;
    std::uint32_t virtualKey;
  } cases[] = {
      {"ISO_Left_Tab", 0x09},
      {"Break", 0x03},
      {"Sys_Req", 0x2C},
      {"Print", 0x2C},
      {"Menu", 0x5D},
      {"Meta_L", 0xA4},
      {"Control_R", 0xA3},
      {"ISO_Level3_Shift", 0xA5},
      {"Super_R", 0x5C},
      {"KP_Begin", 0x0C},
      {"KP_End", 0x23},
      {"KP_Prior", 0x21},
      {"KP_Insert", 0x2D},
      {"KP_Delete", 0x2E},
      {"KP_7", 0x67},
      {"KP_Separator", 0x6E},
      {"KP_Divide", 0x6F},
      {"KP_Enter", 0x0D},
      {"Num_Lock", 0x90},
      {"Scroll_Lock", 0x91},
      {"F11", 0x7A},
      {"XF86Back", 0xA6},
      {"XF86Forward", 0xA7},
      {"XF86Refresh", 0xA8},
      {"XF86Stop", 0xA9},
      {"XF86Search", 0xAA},
      {"XF86Favorites", 0xAB},
      {"XF86HomePage", 0xAC},
      {"XF86AudioMute", 0xAD},
      {"XF86AudioLowerVolume", 0xAE},
      {"XF86AudioRaiseVolume", 0xAF},
      {"XF86AudioNext", 0xB0},
      {"XF86AudioPrev", 0xB1},
      {"XF86AudioStop", 0xB2},
      {"XF86AudioPlay", 0xB3},
      {"XF86AudioPause", 0xB3},
      {"XF86Mail", 0xB4},
      {"XF86AudioMedia", 0xB5},
      {"XF86MyComputer", 0xB6},
      {"XF86Calculator", 0xB7},
      {"XF86Sleep", 0x5F},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const xkb_keysym_t keysym = xkb_keysym_from_name(c.name, XKB_KEYSYM_NO_FLAGS);
    ASSERT_NE(keysym, 0U);
    EXPECT_EQ(TranslateKey(keysym, 0).virtualKey, c.virtualKey);
  }
}

TEST(XkbKeys, EveryKeyOfTheCombinationTableComesFromAUsKeyboard) {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  ASSERT_NE(context, nullptr);
  xkb_rule_names names{};
  names.layout = "us";
  xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
  ASSERT_NE(keymap, nullptr);
  std::set<std::uint32_t> produced;
  for (xkb_keycode_t keycode = 8; keycode <= xkb_keymap_max_keycode(keymap); ++keycode) {
    for (xkb_level_index_t level = 0; level < xkb_keymap_num_levels_for_key(keymap, keycode, 0);
         ++level) {
      const xkb_keysym_t* syms = nullptr;
      if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &syms) > 0) {
        produced.insert(TranslateKey(syms[0], keycode - 8).virtualKey);
      }
    }
  }
  xkb_keymap_unref(keymap);
  xkb_context_unref(context);
  for (const KeyUsagePair& pair : ComboKeyTable()) {
    if (pair.usage < 0xF0) {
      SCOPED_TRACE(pair.usage);
      EXPECT_TRUE(produced.contains(pair.virtualKey));
    }
  }
}

TEST(XkbKeys, UnnamedKeysAreNamedFromTheLayout) {
  const struct {
    const char* layout;
    std::uint32_t virtualKey;
    const char* name;
  } cases[] = {
      {"us", 0x41, "A"}, {"us", 0x31, "1"}, {"us", 0xBA, ";"},     {"us", 0xC0, "`"},
      {"fr", 0x41, "A"}, {"fr", 0x31, "&"}, {"fr", 0x32, "É"},     {"fr", 0xBA, "M"},
      {"de", 0x59, "Y"}, {"de", 0xDB, "Ü"}, {"de", 0xC0, "^"},     {"de", 0xBF, "-"},
      {"ru", 0x41, "Ф"}, {"ru", 0x31, "1"}, {"us", 0x0D, "Enter"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.virtualKey));
    const std::unique_ptr<XkbKeyCharacters> characters = XkbKeyCharacters::FromLayout(c.layout);
    ASSERT_NE(characters, nullptr);
    EXPECT_EQ(GetKeyName(c.virtualKey, *characters), c.name);
  }
  EXPECT_NE(XkbKeyCharacters::FromSession(), nullptr);
}

}  // namespace
}  // namespace n63k
