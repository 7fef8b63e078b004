#pragma once

#include "core/base/Geometry.h"

namespace n63k {

// The window shown while a profile is written.
namespace progress_window {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 80;
inline constexpr Rect kBar{35, 47, 295, 56};
inline constexpr Rect kText{35, 20, 35 + 310, 20 + 40};

}  // namespace progress_window

}  // namespace n63k
