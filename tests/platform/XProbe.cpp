#include "platform/XProbe.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstring>

namespace n63k::test {
namespace {

constexpr char kSpeedProperty[] = "libinput Accel Speed";

}  // namespace

XProbe::XProbe(const std::string& display) : display_(XOpenDisplay(display.c_str())) {}

XProbe::~XProbe() {
  if (display_ != nullptr) {
    XCloseDisplay(display_);
  }
}

XProbe::Acceleration XProbe::PointerAcceleration() {
  Acceleration a{};
  XGetPointerControl(display_, &a.numerator, &a.denominator, &a.threshold);
  return a;
}

int XProbe::DeviceId(int use) {
  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
  int id = -1;
  for (int i = 0; i < count && id < 0; ++i) {
    if (devices[i].use == use && std::strstr(devices[i].name, "XTEST") != nullptr) {
      id = devices[i].deviceid;
    }
  }
  XIFreeDeviceInfo(devices);
  return id;
}

int XProbe::TestPointer() {
  return DeviceId(XISlavePointer);
}

int XProbe::TestKeyboard() {
  return DeviceId(XISlaveKeyboard);
}

void XProbe::SetSpeedProperty(int device, float value) {
  const Atom property = XInternAtom(display_, kSpeedProperty, False);
  const Atom floatType = XInternAtom(display_, "FLOAT", False);
  unsigned char data[sizeof value];
  std::memcpy(data, &value, sizeof value);
  XIChangeProperty(display_, device, property, floatType, 32, PropModeReplace, data, 1);
  XSync(display_, False);
}

std::optional<float> XProbe::SpeedProperty(int device) {
  const Atom property = XInternAtom(display_, kSpeedProperty, False);
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::optional<float> value;
  if (XIGetProperty(display_, device, property, 0, 1, False, AnyPropertyType, &type, &format,
                    &items, &after, &data) == Success &&
      items == 1) {
    float read = 0;
    std::memcpy(&read, data, sizeof read);
    value = read;
  }
  XFree(data);
  return value;
}

}  // namespace n63k::test
