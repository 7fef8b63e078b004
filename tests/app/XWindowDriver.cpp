#include "app/XWindowDriver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstring>

namespace n63k::test {
namespace {

std::string WindowTitle(Display* display, Window window) {
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) {
    XFree(data);
  }
  if (title.empty()) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
      title = name;
      XFree(name);
    }
  }
  return title;
}

}  // namespace

XWindowDriver::XWindowDriver(const std::string& display)
    : display_(XOpenDisplay(display.c_str())) {}

XWindowDriver::~XWindowDriver() {
  if (display_ != nullptr) {
    XCloseDisplay(display_);
  }
}

std::optional<XWindowDriver::Found> XWindowDriver::FindWindow(const std::string& title) {
  Window root = DefaultRootWindow(display_);
  Window rootReturn = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::optional<Found> found;
  if (XQueryTree(display_, root, &rootReturn, &parent, &children, &count) == 0) {
    return found;
  }
  for (unsigned int i = 0; i < count && !found; ++i) {
    if (WindowTitle(display_, children[i]) != title) {
      continue;
    }
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, children[i], &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, children[i], root, 0, 0, &x, &y, &child);
    found = Found{
        children[i], x, y, attributes.width, attributes.height, attributes.map_state == IsViewable};
  }
  if (children != nullptr) {
    XFree(children);
  }
  return found;
}

std::string XWindowDriver::WindowClass(unsigned long window) {
  XClassHint hint{};
  std::string names;
  if (XGetClassHint(display_, window, &hint) != 0) {
    names = std::string(hint.res_name != nullptr ? hint.res_name : "") + "/" +
            (hint.res_class != nullptr ? hint.res_class : "");
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  return names;
}

void XWindowDriver::Click(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XFlush(display_);
}

void XWindowDriver::MoveTo(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XFlush(display_);
}

void XWindowDriver::Key(unsigned long keysym, bool press) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), press ? True : False,
                    CurrentTime);
  XFlush(display_);
}

}  // namespace n63k::test
