#include "platform/XClickWindow.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace n63k::test {
namespace {

bool refused = false;

int NoteRefusal(Display*, XErrorEvent* error) {
  refused = refused || error->error_code == BadAccess;
  return 0;
}

}  // namespace

XClickWindow::XClickWindow(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  if (display_ == nullptr) {
    return;
  }
  const int screen = DefaultScreen(display_);
  XSetWindowAttributes attributes{};
  attributes.event_mask = ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
  const Window window =
      XCreateWindow(display_, RootWindow(display_, screen), 0, 0,
                    static_cast<unsigned int>(DisplayWidth(display_, screen)),
                    static_cast<unsigned int>(DisplayHeight(display_, screen)), 0, CopyFromParent,
                    InputOutput, nullptr, CWEventMask, &attributes);
  XMapWindow(display_, window);
  XEvent event;
  do {
    XNextEvent(display_, &event);
  } while (event.type != MapNotify);
  XTestFakeMotionEvent(display_, screen, 100, 100, CurrentTime);
  XSync(display_, False);
  window_ = window;
}

XClickWindow::~XClickWindow() {
  if (display_ != nullptr) {
    XCloseDisplay(display_);
  }
}

void XClickWindow::Click(unsigned int button) {
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  XSync(display_, False);
}

bool XClickWindow::GrabbedElsewhere(unsigned int button) {
  const Window root = DefaultRootWindow(display_);
  refused = false;
  const XErrorHandler previous = XSetErrorHandler(NoteRefusal);
  XGrabButton(display_, button, AnyModifier, root, False, ButtonPressMask, GrabModeAsync,
              GrabModeAsync, None, None);
  XSync(display_, False);
  const bool elsewhere = refused;
  if (!elsewhere) {
    XUngrabButton(display_, button, AnyModifier, root);
    XSync(display_, False);
  }
  XSetErrorHandler(previous);
  return elsewhere;
}

const std::vector<unsigned int>& XClickWindow::Presses() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ButtonPress) {
      presses_.push_back(event.xbutton.button);
    }
  }
  return presses_;
}

}  // namespace n63k::test
