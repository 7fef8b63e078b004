#pragma once

#include "core/base/Geometry.h"

namespace n63k {

// The program's message box.
namespace info_box {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 160;
inline constexpr Rect kTitle{10, 9, 100, 23};
inline constexpr Rect kText{90, 73, 305, 91};
inline constexpr Rect kClose{300, 0, 329, 29};
inline constexpr Rect kOkAlone{240, 127, 306, 159};
inline constexpr Rect kOkWithCancel{178, 127, 244, 159};
inline constexpr Rect kCancel{245, 127, 311, 159};

}  // namespace info_box

}  // namespace n63k
