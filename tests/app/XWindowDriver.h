#pragma once

#include <optional>
#include <string>

struct _XDisplay;

namespace n63k::test {

// Finds a top-level window by its title on an X display and drives it with
// XTest input, as a user's clicks reach it. Kept apart from the tests since
// Xlib's macros clash with GoogleTest.
class XWindowDriver {
 public:
  explicit XWindowDriver(const std::string& display);
  ~XWindowDriver();
  XWindowDriver(const XWindowDriver&) = delete;
  XWindowDriver& operator=(const XWindowDriver&) = delete;

  bool connected() const { return display_ != nullptr; }

  struct Found {
    unsigned long window;
    int x;  // the window's top-left corner on the screen
    int y;
    int width;
    int height;
    bool viewable;
  };
  // The first top-level window titled exactly `title`.
  std::optional<Found> FindWindow(const std::string& title);
  // The WM_CLASS instance and class names of `window`, "instance/class".
  std::string WindowClass(unsigned long window);

  // Moves the pointer to (x, y) on the screen and clicks the left button.
  void Click(int x, int y);
  // Moves the pointer to (x, y) on the screen.
  void MoveTo(int x, int y);
  // Presses or releases the key that types the X keysym, as the keyboard
  // would.
  void Key(unsigned long keysym, bool press);

 private:
  _XDisplay* display_;
};

}  // namespace n63k::test
