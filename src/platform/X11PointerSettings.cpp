#include "platform/X11PointerSettings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/DesktopScrollLines.h"

namespace n63k {
namespace {

// Acceleration on: the pointer moves twice as far once it moves more than six
// units at a time, as the desktop settings of the profile intend.
constexpr int kAccelerationNumerator = 2;
constexpr int kAccelerationThreshold = 6;

// Xlib ends the process on a protocol error unless a handler says otherwise;
// a device that vanishes or refuses a property must not do that. The handler
// is process-wide, so changes to it are serialised.
std::mutex errorHandlerMutex;

int IgnoreError(Display*, XErrorEvent*) {
  return 0;
}

void SetAcceleration(Display* display, bool on) {
  if (on) {
    XChangePointerControl(display, True, True, kAccelerationNumerator, 1, kAccelerationThreshold);
  } else {
    XChangePointerControl(display, True, False, 1, 1, 0);
  }
}

// The libinput speed, -1 to 1, for a speed of 1-20 whose middle, 10, is the
// desktop's default.
float LibinputSpeed(std::int32_t speed) {
  return std::clamp((static_cast<float>(speed) - 10.0f) / 10.0f, -1.0f, 1.0f);
}

void SetSpeed(Display* display, std::int32_t speed) {
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = 2;
  int minor = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
      XIQueryVersion(display, &major, &minor) != Success) {
    return;
  }
  const Atom property = XInternAtom(display, "libinput Accel Speed", True);
  const Atom floatType = XInternAtom(display, "FLOAT", True);
  if (property == None || floatType == None) {
    return;
  }
  const float value = LibinputSpeed(speed);
  unsigned char data[sizeof(float)];
  std::memcpy(data, &value, sizeof value);

  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
  for (int i = 0; i < count; ++i) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* current = nullptr;
    if (XIGetProperty(display, devices[i].deviceid, property, 0, 1, False, AnyPropertyType, &type,
                      &format, &items, &after, &current) != Success) {
      continue;
    }
    XFree(current);
    if (type == floatType && format == 32 && items == 1) {
      XIChangeProperty(display, devices[i].deviceid, property, floatType, 32, PropModeReplace, data,
                       1);
    }
  }
  XIFreeDeviceInfo(devices);
}

}  // namespace

void X11PointerSettings::Apply(const PointerValues& values) {
  Display* display = XOpenDisplay(displayName_.empty() ? nullptr : displayName_.c_str());
  if (display == nullptr) {
    return;
  }
  {
    const std::lock_guard lock(errorHandlerMutex);
    const auto previous = XSetErrorHandler(IgnoreError);
    SetAcceleration(display, values.precision != 0);
    SetSpeed(display, values.speed);
    XSync(display, False);
    XSetErrorHandler(previous);
  }
  XCloseDisplay(display);
  SetDesktopScrollLines(values.scrollLines);
}

}  // namespace n63k
