#include <gtest/gtest.h>

#include "core/base/Geometry.h"
#include "core/pages/MainWindowLayout.h"

namespace n63k {
namespace {

struct HitCase {
  Point point;
  bool inside;
};

// The first tab's slanted right edge runs from (189,85) to (210,121).
TEST(Quad, HitTestFollowsTheSlantedEdge) {
  const Quad& tab = main_window::kRegionControls[0].shape;
  const HitCase cases[] = {
      {{30, 85}, true},     // top-left corner pixel
      {{29, 100}, false},   // left of the straight edge
      {{188, 86}, true},    // just inside the top of the slant
      {{195, 86}, false},   // right of the slant near the top
      {{205, 119}, true},   // inside near the bottom of the slant
      {{209, 110}, false},  // right of the slant half-way down
      {{100, 121}, false},  // the bottom edge is outside
      {{100, 84}, false},
  };
  for (const HitCase& c : cases) {
    EXPECT_EQ(tab.Contains(c.point), c.inside) << c.point.x << "," << c.point.y;
  }
}

TEST(Quad, NeighbouringSlantedTabsNeverBothClaimAPixel) {
  for (std::size_t i = 0; i + 1 < 5; ++i) {
    const Quad& left = main_window::kRegionControls[i].shape;
    const Quad& right = main_window::kRegionControls[i + 1].shape;
    const Rect overlap = left.Bounds();
    for (int y = overlap.top; y < overlap.bottom; ++y) {
      for (int x = overlap.left; x < overlap.right; ++x) {
        EXPECT_FALSE(left.Contains({x, y}) && right.Contains({x, y})) << x << "," << y;
      }
    }
  }
}

TEST(Quad, BoundsSpanTheCorners) {
  EXPECT_EQ(main_window::kRegionControls[10].shape.Bounds(), (Rect{806, 591, 940, 632}));
}

}  // namespace
}  // namespace n63k
