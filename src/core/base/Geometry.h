#pragma once

#include <array>

namespace n63k {

// Window pixels: x to the right, y downwards.
struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// A rectangle as the windows give them: left and top inside, right and bottom
// just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
  constexpr Rect Moved(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A four-cornered shape, corners clockwise from the top left: the slanted tabs
// and buttons of the main window.
struct Quad {
  std::array<Point, 4> corners;

  constexpr Rect Bounds() const {
    Rect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners) {
      r.left = p.x < r.left ? p.x : r.left;
      r.top = p.y < r.top ? p.y : r.top;
      r.right = p.x > r.right ? p.x : r.right;
      r.bottom = p.y > r.bottom ? p.y : r.bottom;
    }
    return r;
  }

  // Whether the pixel at `p` lies inside, by the even-odd rule at the pixel's
  // centre, as a window region filled from these corners covers it.
  constexpr bool Contains(Point p) const {
    // Doubled coordinates keep the pixel centre on integers.
    const long px = 2L * p.x + 1;
    const long py = 2L * p.y + 1;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const long xi = 2L * corners[i].x, yi = 2L * corners[i].y;
      const long xj = 2L * corners[j].x, yj = 2L * corners[j].y;
      if ((yi > py) != (yj > py)) {
        // x of the edge at py, compared without division.
        const long lhs = (px - xi) * (yj - yi);
        const long rhs = (xj - xi) * (py - yi);
        if ((yj > yi) ? lhs < rhs : lhs > rhs) {
          inside = !inside;
        }
      }
    }
    return inside;
  }
};

}  // namespace n63k
