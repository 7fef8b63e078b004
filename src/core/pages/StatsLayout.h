#pragma once

#include <array>

#include "core/base/Geometry.h"
#include "core/pages/MainWindowLayout.h"

namespace n63k {

// Where everything of the statistics page sits, in page pixels.
namespace stats_page {

inline constexpr int kWidth = main_window::kPages.Width();
inline constexpr int kHeight = main_window::kPages.Height();

inline constexpr Rect kTrophy{309, 0, 607, 451};
inline constexpr Rect kReset{703, 379, 832, 410};
inline constexpr int kTrophyHint = 54;
inline constexpr int kResetHint = 55;

// The level bar grows from kLevelBarLeft over the track to the full width.
inline constexpr Rect kLevelBarTrack{630, 62, 901, 74};
inline constexpr int kLevelBarLeft = 631;
inline constexpr int kLevelBarTop = 62;
inline constexpr int kLevelBarBottom = 77;

// The thirteen small trophies, five a row.
inline constexpr int kSmallTrophyWidth = 43;
inline constexpr int kSmallTrophyHeight = 50;
constexpr Rect SmallTrophyRect(int index) {
  constexpr std::array<int, 3> rows = {132, 190, 248};
  const int x = 647 + 50 * (index % 5);
  const int y = rows[static_cast<std::size_t>(index / 5)];
  return {x, y, x + kSmallTrophyWidth, y + kSmallTrophyHeight};
}

// The figures, in the order of the record's counts with the two totals.
enum class Figure {
  kLeft,
  kMiddle,
  kRight,
  kClicks,
  kWheelForward,
  kWheelBackward,
  kWheel,
  kDistance,
};
inline constexpr std::size_t kFigureCount = 8;

inline constexpr int kFigureWidth = 75;
// Each figure's top and bottom; the left edge depends on the installation's
// language.
inline constexpr std::array<std::array<int, 2>, kFigureCount> kFigureRows = {{
    {85, 106},
    {119, 139},
    {152, 172},
    {183, 203},
    {250, 270},
    {284, 304},
    {319, 339},
    {384, 404},
}};
inline constexpr int kFigureLeftChinese = 167;
inline constexpr int kFigureLeftOther = 152;
inline constexpr int kDistanceLeftChinese = 187;

constexpr Rect FigureRect(Figure figure, bool startupChineseUi) {
  const auto row = kFigureRows[static_cast<std::size_t>(figure)];
  int left = startupChineseUi ? kFigureLeftChinese : kFigureLeftOther;
  if (figure == Figure::kDistance && startupChineseUi) {
    left = kDistanceLeftChinese;
  }
  return {left, row[0], left + kFigureWidth, row[1]};
}

// Labels stand left of their figures, from this edge.
inline constexpr int kLabelLeft = 24;

// The figures' text: height 14, RGB(220, 220, 220).
inline constexpr int kFigurePixels = 14;
inline constexpr unsigned kFigureColour = 0xDCDCDC;

// What a count repaints; the distance figure also repaints on its own timer.
inline constexpr Rect kFiguresArea{166, 84, 263, 405};

}  // namespace stats_page

}  // namespace n63k
