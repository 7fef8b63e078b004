#pragma once

#include <string>
#include <vector>

struct _XDisplay;

namespace n63k::test {

// A window that covers the screen of an X display and notes the buttons
// pressed on it, and XTest clicks on it; kept apart from the tests because
// Xlib's macros clash with GoogleTest.
class XClickWindow {
 public:
  explicit XClickWindow(const std::string& display);
  ~XClickWindow();
  XClickWindow(const XClickWindow&) = delete;
  XClickWindow& operator=(const XClickWindow&) = delete;

  bool ready() const { return window_ != 0; }

  // Press and release of X button `button`, sent through XTest.
  void Click(unsigned int button);
  // Whether another client holds a passive grab of `button` on the root
  // window: then a grab of our own is refused.
  bool GrabbedElsewhere(unsigned int button);
  // The buttons whose presses reached the window so far, in order.
  const std::vector<unsigned int>& Presses();

 private:
  _XDisplay* display_;
  unsigned long window_ = 0;
  std::vector<unsigned int> presses_;
};

}  // namespace n63k::test
