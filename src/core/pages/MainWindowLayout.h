#pragma once

#include <array>

#include "core/base/Geometry.h"
#include "core/i18n/StringKeys.h"

namespace n63k {

// Where everything of the main window sits, in window pixels. The skin
// generator paints from these tables and the window's hit areas come from
// them, so a picture and what reacts to the pointer never drift apart.
namespace main_window {

inline constexpr int kWidth = 960;
inline constexpr int kHeight = 645;

inline constexpr Rect kMinimise{887, 2, 921, 33};
inline constexpr Rect kClose{922, 2, 956, 33};
inline constexpr Rect kLanguageButton{15, 617, 57, 635};
inline constexpr Rect kLanguageFlag{19, 592, 55, 615};
inline constexpr Rect kStatusLine{67, 598, 300, 628};
inline constexpr Rect kPages{15, 128, 15 + 925, 128 + 452};

inline constexpr int kPageCount = 5;
inline constexpr int kProfileButtonCount = 5;

// A slanted button of the main window: its shape, caption and hint number.
struct RegionControl {
  Quad shape;
  StringKey caption;
  int hint;
};

// The page tabs, the profile buttons and Apply, in the order of their hint
// numbers 1 to 11.
inline constexpr std::array<RegionControl, 11> kRegionControls = {{
    {{{{{30, 85}, {189, 85}, {210, 121}, {30, 121}}}}, "str_main", 1},
    {{{{{193, 85}, {375, 85}, {396, 121}, {214, 121}}}}, "str_led_title", 2},
    {{{{{377, 85}, {559, 85}, {579, 121}, {399, 121}}}}, "str_macro_manager", 3},
    {{{{{562, 85}, {743, 85}, {764, 121}, {583, 121}}}}, "str_sts", 4},
    {{{{{747, 85}, {928, 85}, {928, 121}, {768, 121}}}}, "str_about", 5},
    {{{{{342, 608}, {435, 608}, {414, 635}, {321, 635}}}}, "str_profile1", 6},
    {{{{{439, 608}, {533, 608}, {512, 635}, {417, 635}}}}, "str_profile2", 7},
    {{{{{536, 608}, {628, 608}, {605, 635}, {513, 635}}}}, "str_profile3", 8},
    {{{{{630, 608}, {723, 608}, {700, 635}, {607, 635}}}}, "str_profile4", 9},
    {{{{{725, 608}, {818, 608}, {795, 635}, {703, 635}}}}, "str_profile5", 10},
    {{{{{841, 591}, {940, 591}, {940, 632}, {806, 632}}}}, "str_ok", 11},
}};

inline constexpr std::size_t kFirstTab = 0;
inline constexpr std::size_t kFirstProfileButton = 5;
inline constexpr std::size_t kApplyButton = 10;

static_assert(kRegionControls[kApplyButton].hint == 11);
static_assert(kMinimise.right < kWidth && kClose.right <= kWidth);
static_assert(kPages.bottom < kStatusLine.top && kLanguageButton.bottom <= kHeight);

}  // namespace main_window

}  // namespace n63k
