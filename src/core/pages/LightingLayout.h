#pragma once

#include <array>

#include "core/base/Geometry.h"
#include "core/i18n/StringKeys.h"
#include "core/pages/MainWindowLayout.h"

namespace n63k {

// Where everything of the lighting page sits, in page pixels. Controls have
// one rectangle for the Chinese layout and one for every other language.
namespace lighting_page {

inline constexpr int kWidth = main_window::kPages.Width();
inline constexpr int kHeight = main_window::kPages.Height();

// The page's controls, in the order the page tests them for hints.
enum class Control {
  kMode4,
  kMode3,
  kMode6,
  kMode2,
  kSpeedSlider,
  kMode1,
  kBrightnessSlider,
  kMode5,
  kMultiColour,
  kCycleSpeedSlider,
  kProximityOn,
  kProximityOff,
  kRedSlider,
  kGreenSlider,
  kBlueSlider,
  kBacklightZone,
  kSwatch1,
  kSwatch2,
  kSwatch3,
  kProximityZone,
  kColourSettingsZone,
  kCurrentColourZone,
  kCurrentSwatch,
  kPresetZone,
  kCustomZone,
  kCount,
};

struct ControlPlace {
  Rect other;
  Rect chinese;
  // Tooltip and caption; empty for controls without one.
  StringKey caption;
  // The hint shown while the pointer is over it (the multi-colour toggle
  // shows kMultiColourOnHint while on).
  int hint;
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::kCount);

inline constexpr std::array<ControlPlace, kControlCount> kControls = {{
    {{197, 28, 407, 47}, {197, 36, 309, 52}, "str_ledspe", 26},
    {{450, 26, 665, 46}, {368, 36, 481, 52}, "str_led_apmbre", 27},
    {{710, 28, 828, 46}, {557, 36, 638, 52}, "str_led_off", 28},
    {{196, 56, 286, 76}, {197, 63, 277, 78}, "str_led_norbre", 29},
    {{570, 61, 714, 70}, {458, 67, 603, 75}, "str_breath_speed", 76},
    {{196, 86, 301, 104}, {197, 89, 278, 106}, "str_led_brealways", 31},
    {{570, 91, 713, 99}, {458, 92, 602, 101}, "str_led_brightness", 32},
    {{196, 117, 331, 131}, {197, 118, 278, 135}, "str_led_symphony", 33},
    {{342, 112, 488, 137}, {326, 114, 405, 138}, "str_led_setColor", 34},
    {{428, 146, 572, 153}, {673, 123, 816, 131}, "str_led_symphonySpeed", 36},
    {{326, 164, 394, 180}, {196, 146, 248, 164}, "str_led_body_on", 37},
    {{453, 165, 525, 181}, {324, 147, 375, 163}, "str_led_body_off", 38},
    {{571, 279, 698, 287}, {564, 272, 692, 287}, "str_led_custom", 39},
    {{571, 326, 698, 336}, {564, 319, 692, 334}, "str_led_custom", 39},
    {{571, 370, 698, 379}, {564, 354, 692, 379}, "str_led_custom", 39},
    {{21, 25, 176, 50}, {21, 25, 176, 50}, "str_backlight", 75},
    {{514, 110, 543, 139}, {431, 114, 456, 139}, "str_multicolor1", 77},
    {{547, 110, 576, 139}, {464, 114, 489, 139}, "str_multicolor2", 78},
    {{580, 110, 609, 139}, {497, 114, 522, 139}, "str_multicolor3", 79},
    {{17, 159, 253, 183}, {21, 138, 171, 167}, "str_proximity_sensing", 80},
    {{17, 184, 516, 206}, {25, 166, 404, 195}, "str_color_setting", 81},
    {{28, 207, 159, 229}, {28, 207, 159, 229}, "str_cur_color", 82},
    {{170, 207, 195, 232}, {171, 206, 196, 232}, "str_choose_color", 83},
    {{30, 247, 131, 265}, {30, 247, 131, 265}, "str_preset_color", 84},
    {{482, 239, 631, 260}, {482, 239, 631, 260}, "str_custom_color", 85},
}};

inline constexpr int kMultiColourOnHint = 35;

constexpr const ControlPlace& Place(Control control) {
  return kControls[static_cast<std::size_t>(control)];
}
constexpr Rect RectOf(Control control, bool chineseUi) {
  return chineseUi ? Place(control).chinese : Place(control).other;
}

// The numbers beside the red, green and blue sliders, in both layouts.
inline constexpr std::array<Rect, 3> kNumbers = {{
    {713, 275, 738, 290},
    {713, 323, 738, 338},
    {713, 367, 738, 383},
}};

// Slider ranges and the ids their changes carry.
inline constexpr int kRedSliderId = 769;
inline constexpr int kGreenSliderId = 770;
inline constexpr int kBlueSliderId = 771;
inline constexpr int kBrightnessSliderId = 777;
inline constexpr int kSpeedSliderId = 778;
inline constexpr int kCycleSpeedSliderId = 779;

// The colour wheel: the ellipse inscribed in this rectangle, painted into the
// page's background in both layouts.
inline constexpr Rect kWheel{771, 264, 891, 383};

constexpr bool InWheel(Point p) {
  // Compared in doubled coordinates around the pixel's centre, without division.
  const long cx = kWheel.left + kWheel.right;
  const long cy = kWheel.top + kWheel.bottom;
  const long rx = kWheel.Width();
  const long ry = kWheel.Height();
  const long dx = 2L * p.x + 1 - cx;
  const long dy = 2L * p.y + 1 - cy;
  return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

inline constexpr int kPaletteColumns = 7;

// Palette button `index` (0-25): seven a row.
constexpr Rect PaletteRect(int index, bool chineseUi) {
  const int column = index % kPaletteColumns;
  const int row = index / kPaletteColumns;
  const int x = 40 * column - (column > 4 ? 1 : 0);
  const int y = 258 + 41 * row;
  return chineseUi ? Rect{x + 140, y - 2, x + 171, y + 31} : Rect{x + 177, y, x + 208, y + 32};
}

}  // namespace lighting_page

}  // namespace n63k
