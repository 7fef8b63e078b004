#include "ui/chooser/XTestKeys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace n63k::test {

bool TypeOnDisplay(const std::vector<KeyStroke>& strokes) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    return false;
  }
  int event = 0, error = 0, major = 0, minor = 0;
  const bool ok = XTestQueryExtension(display, &event, &error, &major, &minor) != 0;
  if (ok) {
    for (const KeyStroke& stroke : strokes) {
      XTestFakeKeyEvent(display, XKeysymToKeycode(display, stroke.keysym), stroke.press ? 1 : 0, 0);
    }
    XSync(display, 0);
  }
  XCloseDisplay(display);
  return ok;
}

}  // namespace n63k::test
