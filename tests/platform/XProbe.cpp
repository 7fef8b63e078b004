#include "platform/XProbe.h"

#include <X11/Xatom.h>
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

void XProbe::SetByteProperty(int device, const std::string& name,
                             const std::vector<std::uint8_t>& bytes) {
  const Atom property = XInternAtom(display_, name.c_str(), False);
  std::vector<unsigned char> data(bytes.begin(), bytes.end());
  XIChangeProperty(display_, device, property, XA_INTEGER, 8, PropModeReplace, data.data(),
                   static_cast<int>(data.size()));
  XSync(display_, False);
}

std::optional<std::vector<std::uint8_t>> XProbe::ByteProperty(int device, const std::string& name) {
  const Atom property = XInternAtom(display_, name.c_str(), False);
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::optional<std::vector<std::uint8_t>> value;
  if (XIGetProperty(display_, device, property, 0, 16, False, AnyPropertyType, &type, &format,
                    &items, &after, &data) == Success &&
      type == XA_INTEGER && format == 8) {
    value.emplace(data, data + items);
  }
  XFree(data);
  return value;
}

int XProbe::AddTestPointer(const std::string& name) {
  XIAddMasterInfo add = {};
  add.type = XIAddMaster;
  add.name = const_cast<char*>(name.c_str());
  add.send_core = True;
  add.enable = True;
  XIChangeHierarchy(display_, reinterpret_cast<XIAnyHierarchyChangeInfo*>(&add), 1);
  XSync(display_, False);
  const std::string slave = name + " XTEST pointer";
  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
  int id = -1;
  for (int i = 0; i < count; ++i) {
    if (devices[i].use == XISlavePointer && slave == devices[i].name) {
      id = devices[i].deviceid;
    }
  }
  XIFreeDeviceInfo(devices);
  return id;
}

}  // namespace n63k::test
