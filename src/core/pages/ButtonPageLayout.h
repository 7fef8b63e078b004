#pragma once

#include <array>
#include <cstdint>

#include "core/base/Geometry.h"
#include "core/buttons/ButtonSlots.h"
#include "core/i18n/StringKeys.h"
#include "core/pages/MainWindowLayout.h"
#include "core/store/DpiValues.h"

namespace n63k {

// Where everything of the button page sits, in page pixels. The skin
// generator paints from these tables and the page's widgets take their places
// and hit areas from them.
namespace button_page {

inline constexpr int kWidth = main_window::kPages.Width();
inline constexpr int kHeight = main_window::kPages.Height();

// The DPI boxes in the order of kDpiValues.
inline constexpr std::array<Rect, kDpiValues.size()> kDpiBoxes = {{
    {69, 66, 109, 78},
    {140, 66, 184, 78},
    {206, 66, 251, 79},
    {277, 66, 321, 78},
    {347, 66, 394, 78},
    {415, 66, 464, 80},
    {486, 66, 534, 80},
    {68, 90, 116, 103},
    {139, 91, 186, 104},
    {205, 91, 254, 103},
    {276, 91, 323, 104},
    {346, 91, 393, 103},
    {415, 90, 461, 104},
    {485, 90, 530, 104},
}};

// The sliders report under these identifiers.
inline constexpr int kSpeedSliderId = 0xA00;
inline constexpr int kSensorSliderId = 0xA02;
inline constexpr int kScrollLinesEditId = 0xA03;

inline constexpr Rect kSpeedSlider{104, 167, 293, 179};
inline constexpr Rect kPrecisionBox{68, 203, 178, 219};
inline constexpr Rect kSensorSlider{422, 167, 624, 179};

// The report-rate radio buttons and the rates they stand for.
inline constexpr std::array<int, 4> kReportRates = {125, 250, 500, 1000};
inline constexpr std::array<Rect, 4> kReportRateRadios = {{
    {67, 303, 120, 317},
    {134, 303, 190, 317},
    {201, 303, 261, 317},
    {271, 303, 331, 317},
}};

// The wheel's controls differ between the Chinese layout and the others: the
// Chinese caption is short enough to keep the number beside it.
struct WheelControls {
  Rect linesRadio;
  Rect linesEdit;
  Rect plus;
  Rect minus;
  Rect screenRadio;
};
inline constexpr WheelControls kWheelChinese{
    {406, 331, 558, 345}, {574, 333, 590, 358}, {594, 330, 607, 340},
    {594, 341, 607, 350}, {406, 361, 527, 375},
};
inline constexpr WheelControls kWheelOther{
    {406, 331, 669, 347}, {550, 355, 573, 377}, {573, 350, 588, 361},
    {573, 361, 588, 372}, {406, 375, 672, 393},
};
inline constexpr int kScrollLinesFontPixels = 14;

// The markers on the mouse picture, in slot order.
inline constexpr std::array<Rect, kButtonCount> kMarkers = {{
    {761, 144, 784, 169},
    {793, 155, 821, 179},
    {827, 145, 854, 170},
    {722, 205, 747, 229},
    {728, 241, 753, 262},
    {794, 125, 820, 152},
    {794, 181, 820, 206},
}};

// The section headings: their place, caption and hint number.
struct Heading {
  Rect rect;
  StringKey caption;
  int hint;
};
inline constexpr std::array<Heading, 6> kHeadings = {{
    {{40, 27, 176, 49}, "str_dpi_setting", 61},
    {{29, 127, 288, 157}, "str_mouseSpeed", 13},
    {{372, 129, 568, 154}, "str_sensor", 62},
    {{30, 262, 208, 287}, "str_usbrate", 63},
    {{374, 263, 661, 287}, "str_windows_scroll", 64},
    {{29, 366, 205, 395}, "str_mouse_key", 65},
}};

// The tabs of the seven slots: upper edge at kTabTop, lower at kTabBottom.
inline constexpr int kTabTop = 408;
inline constexpr int kTabBottom = 441;
inline constexpr Quad TabShape(int upperLeft, int upperRight, int lowerRight, int lowerLeft) {
  return {{{{upperLeft, kTabTop},
            {upperRight, kTabTop},
            {lowerRight, kTabBottom},
            {lowerLeft, kTabBottom}}}};
}
inline constexpr std::array<Quad, kButtonCount> kTabs = {{
    TabShape(19, 127, 95, 19),
    TabShape(130, 214, 182, 98),
    TabShape(218, 302, 270, 186),
    TabShape(306, 389, 357, 274),
    TabShape(393, 476, 444, 361),
    TabShape(481, 581, 549, 449),
    TabShape(586, 692, 660, 554),
}};
// The tab's area that lights its marker: its box less this much at each side.
inline constexpr int kMarkerZoneInset = 17;

// Hint numbers of the controls.
inline constexpr int kDpiHint = 12;
inline constexpr int kSpeedHint = 13;
inline constexpr int kPrecisionHint = 14;
inline constexpr int kSensorHint = 15;
inline constexpr int kReportRateHint = 16;
inline constexpr int kLinesHint = 17;
inline constexpr int kScreenHint = 18;
inline constexpr int kTabHint = 65;

// Timers: the markers follow the pointer; the scroll-lines text is taken in.
inline constexpr std::uint32_t kMarkerTimerMs = 200;
inline constexpr std::uint32_t kScrollLinesTimerMs = 4000;

// The mouse picture's body, centred on the wheel's markers; the side
// buttons' markers sit on its left flank.
inline constexpr Rect kMousePicture{733, 70, 881, 330};

static_assert(kTabs.back().Bounds().right < kWidth && kTabBottom < kHeight);
static_assert(kMarkers[2].right < kMousePicture.right && kMarkers[5].top > kMousePicture.top);
static_assert(kWheelOther.screenRadio.right < kMarkers[3].left);

}  // namespace button_page

}  // namespace n63k
