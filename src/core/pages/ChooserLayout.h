#pragma once

#include <array>
#include <cstdint>

#include "core/base/Geometry.h"
#include "core/i18n/StringKeys.h"

namespace n63k {

// Where everything of the function chooser sits: the window's controls in
// window pixels, each page's controls in page pixels. The skin generator
// paints from these tables and the hit areas come from them.
namespace chooser {

inline constexpr int kWidth = 412;
inline constexpr int kHeight = 300;

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kTabText = 0x536167;
inline constexpr std::uint32_t kTitleText = 0x585e69;
inline constexpr std::uint32_t kLabelText = 0xbdbdc8;
inline constexpr std::uint32_t kKeyText = 0x1793c3;
inline constexpr std::uint32_t kRowLabelText = 0x585f69;
inline constexpr int kTextPixels = 14;

inline constexpr Rect kClose{383, 1, 411, 24};
inline constexpr std::array<Rect, 4> kTabs = {{
    {0, 37, 110, 64},
    {111, 37, 207, 64},
    {208, 37, 303, 64},
    {304, 37, 412, 64},
}};
inline constexpr std::array<StringKey, 4> kTabCaptions = {"str_key_com", "str_macro_set",
                                                          "str_basic", "str_advance"};
inline constexpr Rect kDisableBox{23, 258, 42, 277};
inline constexpr Rect kDisableLabel{46, 258, 106, 278};
inline constexpr Rect kDefault{238, 254, 315, 289};
inline constexpr Rect kOk{316, 254, 393, 289};
inline constexpr Rect kTitle{75, 1, 317, 20};
inline constexpr Rect kCurrentFunction{5, 16, 180, 38};
// Each page fills this rectangle; only the shown one is visible.
inline constexpr Rect kPage{21, 74, 391, 243};

// The key-combination page: the modifier boxes in the order Ctrl, Alt, Shift,
// Win, and where the captured key's name is written.
inline constexpr std::array<Rect, 4> kModifierBoxes = {{
    {59, 45, 72, 58},
    {59, 70, 72, 83},
    {59, 94, 72, 108},
    {58, 119, 72, 133},
}};
inline constexpr Rect kKeyName{170, 77, 326, 100};

// The macro page's game groups and the macros of the selected one.
inline constexpr Rect kGroupList{1, 1, 184, 168};
inline constexpr Rect kMacroList{188, 1, 369, 168};
inline constexpr int kMacroItemHeight = 16;

// The basic page's list fills the page: a list reaching past the page's edge
// would lose its scroll bar's last pixels.
inline constexpr Rect kBasicList{0, 0, kPage.Width(), kPage.Height()};
inline constexpr int kBasicItemHeight = 18;

// The lists' colours: background, selection, text, selected text.
inline constexpr std::uint32_t kListBackground = 0x0f0f0f;
inline constexpr std::uint32_t kListSelection = 0x252525;
inline constexpr std::uint32_t kListText = 0x535c6b;
inline constexpr std::uint32_t kListSelectedText = 0x969696;

// The advanced page, one row per PC action: sound, program, file, folder.
struct ActionRow {
  Rect radio;
  Rect label;
  Rect path;
  Rect browse;
  StringKey caption;
};
inline constexpr std::array<ActionRow, 4> kActionRows = {{
    {{21, 37, 38, 54},
     {41, 36, 127, 56},
     {124, 36, 263, 52},
     {273, 33, 349, 55},
     "str_advanced_sound"},
    {{21, 63, 38, 80},
     {41, 63, 127, 83},
     {124, 63, 262, 79},
     {273, 59, 349, 81},
     "str_advanced_exe"},
    {{21, 88, 38, 105},
     {41, 89, 127, 109},
     {124, 89, 262, 105},
     {273, 86, 349, 108},
     "str_advanced_file"},
    {{21, 114, 38, 131},
     {41, 116, 127, 136},
     {124, 116, 262, 132},
     {273, 113, 349, 135},
     "str_advanced_dir"},
}};

static_assert(kOk.right < kWidth && kDefault.bottom < kHeight);
static_assert(kPage.bottom < kDefault.top && kTabs[3].right == kWidth);
static_assert(kMacroList.right <= kPage.Width() && kGroupList.bottom <= kPage.Height());

}  // namespace chooser

}  // namespace n63k
