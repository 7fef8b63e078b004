#include "platform/X11PointerTravel.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace n63k {

X11PointerTravel::X11PointerTravel(const std::string& displayName)
    : display_(XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str())) {
  known_ = ReadPosition(lastX_, lastY_);
}

X11PointerTravel::~X11PointerTravel() {
  if (display_ != nullptr) {
    XCloseDisplay(display_);
  }
}

bool X11PointerTravel::ReadPosition(int& x, int& y) {
  if (display_ == nullptr) {
    return false;
  }
  Window root = 0;
  Window child = 0;
  int windowX = 0;
  int windowY = 0;
  unsigned int buttons = 0;
  // On another screen of the display the query answers False but still gives
  // the position on that screen's root.
  XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &windowX, &windowY,
                &buttons);
  return root != 0;
}

std::uint64_t X11PointerTravel::TakeTravel() {
  int x = 0;
  int y = 0;
  if (!ReadPosition(x, y)) {
    return 0;
  }
  std::uint64_t travel = 0;
  if (known_) {
    travel = static_cast<std::uint64_t>(std::abs(x - lastX_)) +
             static_cast<std::uint64_t>(std::abs(y - lastY_));
  }
  lastX_ = x;
  lastY_ = y;
  known_ = true;
  return travel;
}

}  // namespace n63k
