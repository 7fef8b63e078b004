#pragma once

#include "core/base/Geometry.h"
#include "core/i18n/Languages.h"

namespace n63k {

// The language menu: one row per language, stacked from the top.
namespace language_menu {

inline constexpr int kItemLeft = 6;
inline constexpr int kItemRight = 110;
inline constexpr int kFirstItemTop = 6;
inline constexpr int kItemHeight = 22;
inline constexpr int kBottomMargin = 3;
inline constexpr int kWidth = 116;
inline constexpr int kHeight = kFirstItemTop + kLanguageCount * kItemHeight + kBottomMargin;

// The row of item `index` (0 for language number 1).
constexpr Rect ItemRect(int index) {
  const int top = kFirstItemTop + index * kItemHeight;
  return {kItemLeft, top, kItemRight, top + kItemHeight};
}

// Within a row: the flag is centred in a column at the row's left edge, the
// text runs from `kTextLeft` to `kTextRight` past the row's left edge.
inline constexpr int kFlagColumn = 25;
inline constexpr int kTextLeft = 30;
inline constexpr int kTextRight = 112;

// The small flags and the panel that the background stretches, keeping its
// corners.
inline constexpr int kFlagWidth = 19;
inline constexpr int kFlagHeight = 11;
inline constexpr int kPanelSize = 65;
inline constexpr int kPanelCorner = 32;

// The menu opens this far left of the language button's left edge, and its
// top this far above the button's bottom edge.
inline constexpr int kLeftOfButton = 4;
inline constexpr int kAboveButtonBottom = 287;

static_assert(kHeight == 273);

}  // namespace language_menu

}  // namespace n63k
