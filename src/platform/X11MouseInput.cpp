#include "platform/X11MouseInput.h"

// Qt before Xlib, whose macros break Qt's headers.
#include <QSocketNotifier>
// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
// clang-format on
#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>

#include "core/buttons/MouseInput.h"

namespace n63k {
namespace {

constexpr std::uint32_t kNotch = 120;

struct ButtonControl {
  unsigned int button;
  std::uint32_t identity;
};

// X's button numbers of the mouse's controls.
constexpr std::array<ButtonControl, 7> kButtonControls = {{
    {1, mouse_identity::kLeft},
    {2, mouse_identity::kMiddle},
    {3, mouse_identity::kRight},
    {4, mouse_identity::kWheelForward},
    {5, mouse_identity::kWheelBackward},
    {8, mouse_identity::kBack},
    {9, mouse_identity::kForward},
}};

std::optional<MouseEvent> EventOfButton(unsigned int button, bool press) {
  using namespace mouse_message;
  switch (button) {
    case 1:
      return MouseEvent{press ? kLeftDown : kLeftUp, 0};
    case 2:
      return MouseEvent{press ? kMiddleDown : kMiddleUp, 0};
    case 3:
      return MouseEvent{press ? kRightDown : kRightUp, 0};
    case 4:
    case 5: {
      if (!press) {
        return std::nullopt;
      }
      const auto delta = static_cast<std::uint16_t>(button == 4 ? kNotch : -kNotch);
      return MouseEvent{kWheel, static_cast<std::uint32_t>(delta) << 16};
    }
    case 8:
      return MouseEvent{press ? kExtraDown : kExtraUp, kBackButtonData};
    case 9:
      return MouseEvent{press ? kExtraDown : kExtraUp, kForwardButtonData};
    default:
      return std::nullopt;
  }
}

// Xlib's error handler is one for the whole process; a grab that another
// client holds already must not end the program.
std::mutex errorHandlerMutex;
int IgnoreError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

X11MouseInput::X11MouseInput(InputHooks& hooks, const MouseWatchList& watchList)
    : hooks_(hooks), watchList_(watchList) {}

X11MouseInput::~X11MouseInput() {
  Stop();
}

bool X11MouseInput::Start(const std::string& displayName) {
  Stop();
  display_ = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (display_ == nullptr) {
    return false;
  }
  int event = 0;
  int error = 0;
  int major = 2;
  int minor = 2;
  if (!XQueryExtension(display_, "XInputExtension", &xinputOpcode_, &event, &error) ||
      XIQueryVersion(display_, &major, &minor) != Success) {
    Stop();
    return false;
  }
  std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
  XISetMask(bits.data(), XI_RawButtonPress);
  XISetMask(bits.data(), XI_RawButtonRelease);
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(bits.size()), bits.data()};
  XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
  Grab();
  // Every press after Start is seen.
  XSync(display_, False);
  notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadEvents(); });
  ReadEvents();
  return true;
}

void X11MouseInput::Stop() {
  notifier_.reset();
  if (display_ != nullptr) {
    XCloseDisplay(display_);
    display_ = nullptr;
  }
  grabbed_.clear();
  // A release still to be swallowed belonged to a grab that is gone now.
  hooks_.ForgetPendingRelease();
}

void X11MouseInput::WatchListChanged() {
  if (display_ != nullptr) {
    Grab();
    ReadEvents();
  }
}

void X11MouseInput::Grab() {
  std::vector<unsigned int> wanted;
  for (const ButtonControl& control : kButtonControls) {
    if (watchList_.IsWatched(control.identity)) {
      wanted.push_back(control.button);
    }
  }
  if (wanted == grabbed_) {
    return;
  }
  const Window root = DefaultRootWindow(display_);
  const std::lock_guard lock(errorHandlerMutex);
  const auto previous = XSetErrorHandler(IgnoreError);
  for (const unsigned int button : grabbed_) {
    if (std::find(wanted.begin(), wanted.end(), button) == wanted.end()) {
      XUngrabButton(display_, button, AnyModifier, root);
    }
  }
  for (const unsigned int button : wanted) {
    if (std::find(grabbed_.begin(), grabbed_.end(), button) == grabbed_.end()) {
      XGrabButton(display_, button, AnyModifier, root, False, ButtonPressMask | ButtonReleaseMask,
                  GrabModeAsync, GrabModeAsync, None, None);
    }
  }
  XSync(display_, False);
  XSetErrorHandler(previous);
  grabbed_ = std::move(wanted);
}

void X11MouseInput::ReadEvents() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ButtonRelease) {
      // While a grab is active the server keeps the raw release from its own
      // client; the grab's release ends the pending release instead. A
      // release seen twice changes nothing.
      if (const std::optional<MouseEvent> mouse = EventOfButton(event.xbutton.button, false)) {
        hooks_.OnMouse(*mouse);
      }
      continue;
    }
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xinputOpcode_ ||
        !XGetEventData(display_, cookie)) {
      // The grabbed presses themselves: the raw events report them.
      continue;
    }
    if (cookie->evtype == XI_RawButtonPress || cookie->evtype == XI_RawButtonRelease) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      if (const std::optional<MouseEvent> mouse = EventOfButton(
              static_cast<unsigned int>(raw->detail), cookie->evtype == XI_RawButtonPress)) {
        hooks_.OnMouse(*mouse);
      }
    }
    XFreeEventData(display_, cookie);
  }
}

}  // namespace n63k
