#pragma once

#include "core/base/Geometry.h"

namespace n63k {

// The program's message box.
namespace info_box {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 160;
inline constexpr Rect kTitle{10, 9, 100, 23};
inline constexpr Rect kText{90, 73, 305, 91};
// A message longer than kText's one line wraps onto more lines, centred on
// the same middle, between the title bar and the buttons; cut only when even
// these are full, so a path in a message is not lost.
inline constexpr Rect kTextRoom{90, 38, 305, 126};
inline constexpr Rect kClose{300, 0, 329, 29};
inline constexpr Rect kOkAlone{240, 127, 306, 159};
inline constexpr Rect kOkWithCancel{178, 127, 244, 159};
inline constexpr Rect kCancel{245, 127, 311, 159};

static_assert(kTextRoom.top + kTextRoom.bottom == kText.top + kText.bottom);
static_assert(kTextRoom.top >= kClose.bottom && kTextRoom.bottom <= kOkAlone.top);

}  // namespace info_box

}  // namespace n63k
