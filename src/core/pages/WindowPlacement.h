#pragma once

#include <algorithm>

#include "core/base/Geometry.h"

namespace n63k {

// Where a window of `width` x `height` sits when centred on the screen's work
// area (the screen without its panels), in screen pixels.
constexpr Point CentredOn(const Rect& workArea, int width, int height) {
  return {workArea.left + (workArea.Width() - width) / 2,
          workArea.top + (workArea.Height() - height) / 2};
}

// `topLeft` moved just as far as needed for the window to lie on the work
// area; a window larger than the work area keeps its top-left corner on it.
constexpr Point KeptOn(const Rect& workArea, Point topLeft, int width, int height) {
  return {std::max(workArea.left, std::min(topLeft.x, workArea.right - width)),
          std::max(workArea.top, std::min(topLeft.y, workArea.bottom - height))};
}

}  // namespace n63k
