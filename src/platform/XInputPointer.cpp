#include "platform/XInputPointer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

namespace n63k {
namespace {

// Acceleration on: the pointer moves twice as far once it moves more than six
// units at a time.
constexpr int kAccelerationNumerator = 2;
constexpr int kAccelerationThreshold = 6;
// Enough 32-bit units for any of the byte lists read here.
constexpr long kPropertyLength = 16;

constexpr char kSpeedProperty[] = "libinput Accel Speed";
constexpr char kProfileProperty[] = "libinput Accel Profile Enabled";
constexpr char kProfilesAvailableProperty[] = "libinput Accel Profiles Available";
constexpr char kTappingProperty[] = "libinput Tapping Enabled";

// Xlib ends the process on a protocol error unless a handler says otherwise;
// a device that vanishes or refuses a value must not do that. The handler is
// process-wide, so it and the flag it sets are used under one lock.
std::mutex errorHandlerMutex;
bool errorSeen = false;

int NoteError(Display*, XErrorEvent*) {
  errorSeen = true;
  return 0;
}

struct Atoms {
  Atom speed;
  Atom profile;
  Atom profilesAvailable;
  Atom tapping;
  Atom floatType;
};

struct Property {
  Atom type = None;
  int format = 0;
  std::vector<unsigned char> bytes;  // as Xlib hands them: one long per 32-bit item
  unsigned long items = 0;
};

std::optional<Property> ReadProperty(Display* display, int device, Atom atom) {
  if (atom == None) {
    return std::nullopt;
  }
  Property property;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XIGetProperty(display, device, atom, 0, kPropertyLength, False, AnyPropertyType,
                    &property.type, &property.format, &property.items, &after, &data) != Success ||
      property.type == None) {
    XFree(data);
    return std::nullopt;
  }
  if (property.format == 8) {
    property.bytes.assign(data, data + property.items);
  }
  XFree(data);
  return property;
}

// Runs one change and waits for the server's verdict on it.
bool Changed(Display* display, int device, Atom atom, Atom type, int format,
             const unsigned char* data, int items) {
  errorSeen = false;
  XIChangeProperty(display, device, atom, type, format, PropModeReplace,
                   const_cast<unsigned char*>(data), items);
  XSync(display, False);
  return !errorSeen;
}

std::string Target(const XIDeviceInfo& device, const char* property) {
  return std::string("X device \"") + device.name + "\" " + property;
}

void WriteSpeed(Display* display, const XIDeviceInfo& device, const Atoms& atoms, double speed,
                PointerReport& report) {
  const std::optional<Property> current = ReadProperty(display, device.deviceid, atoms.speed);
  if (!current || current->type != atoms.floatType || current->format != 32 ||
      current->items != 1) {
    return;
  }
  const float value = static_cast<float>(speed);
  unsigned char data[sizeof value];
  std::memcpy(data, &value, sizeof value);
  const std::string text = PointerNumberText(speed);
  if (Changed(display, device.deviceid, atoms.speed, atoms.floatType, 32, data, 1)) {
    report.Set(PointerSetting::kSpeed, Target(device, kSpeedProperty), text);
  } else {
    report.Failed(PointerSetting::kSpeed, Target(device, kSpeedProperty), text,
                  "the X server refused it");
  }
}

// The profile list holds adaptive and flat, and custom after them on newer
// drivers; its length is read, never assumed.
void WriteProfile(Display* display, const XIDeviceInfo& device, const Atoms& atoms,
                  AccelProfile profile, PointerReport& report) {
  const std::optional<Property> current = ReadProperty(display, device.deviceid, atoms.profile);
  if (!current || current->type != XA_INTEGER || current->format != 8 || current->items < 2) {
    return;
  }
  const std::size_t index = profile == AccelProfile::kAdaptive ? 0 : 1;
  std::vector<unsigned char> enabled(current->items, 0);
  enabled[index] = 1;
  std::string text;
  for (const unsigned char flag : enabled) {
    if (!text.empty()) {
      text += ' ';
    }
    text += std::to_string(flag);
  }
  const std::optional<Property> available =
      ReadProperty(display, device.deviceid, atoms.profilesAvailable);
  if (available && available->bytes.size() > index && available->bytes[index] == 0) {
    report.Failed(PointerSetting::kPrecision, Target(device, kProfileProperty), text,
                  profile == AccelProfile::kFlat ? "the device offers no flat profile"
                                                 : "the device offers no adaptive profile");
    return;
  }
  if (Changed(display, device.deviceid, atoms.profile, XA_INTEGER, 8, enabled.data(),
              static_cast<int>(enabled.size()))) {
    report.Set(PointerSetting::kPrecision, Target(device, kProfileProperty), text);
  } else {
    report.Failed(PointerSetting::kPrecision, Target(device, kProfileProperty), text,
                  "the X server refused it");
  }
}

bool HasProperty(Display* display, int device, Atom atom) {
  int count = 0;
  Atom* properties = XIListProperties(display, device, &count);
  const bool has =
      atom != None && std::find(properties, properties + count, atom) != properties + count;
  XFree(properties);
  return has;
}

// The mice among the devices; a touchpad has its own settings on every desktop.
bool IsLibinputMouse(Display* display, const XIDeviceInfo& device, const Atoms& atoms) {
  return (device.use == XISlavePointer || device.use == XIFloatingSlave) &&
         (HasProperty(display, device.deviceid, atoms.speed) ||
          HasProperty(display, device.deviceid, atoms.profile)) &&
         !HasProperty(display, device.deviceid, atoms.tapping);
}

// Why no mouse was reached, or nothing when one was.
std::optional<std::string> WriteDevices(Display* display, const DesktopPointerValues& values,
                                        PointerReport& report) {
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = 2;
  int minor = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
      XIQueryVersion(display, &major, &minor) != Success) {
    return "the X server has no XInput 2";
  }
  const Atoms atoms = {
      XInternAtom(display, kSpeedProperty, True), XInternAtom(display, kProfileProperty, True),
      XInternAtom(display, kProfilesAvailableProperty, True),
      XInternAtom(display, kTappingProperty, True), XInternAtom(display, "FLOAT", True)};
  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
  bool anyMouse = false;
  for (int i = 0; i < count; ++i) {
    if (!IsLibinputMouse(display, devices[i], atoms)) {
      continue;
    }
    anyMouse = true;
    if (values.profile) {
      WriteProfile(display, devices[i], atoms, *values.profile, report);
    }
    if (values.acceleration) {
      WriteSpeed(display, devices[i], atoms, *values.acceleration, report);
    }
  }
  XIFreeDeviceInfo(devices);
  if (!anyMouse) {
    return "no mouse on the X display has libinput properties";
  }
  return std::nullopt;
}

// Names the reason for each value that nothing else has taken either.
void NoteMissed(const DesktopPointerValues& values, const std::string& reason,
                PointerReport& report) {
  if (values.profile && !report.Applied(PointerSetting::kPrecision)) {
    report.NotApplied(PointerSetting::kPrecision, reason);
  }
  if (values.acceleration && !report.Applied(PointerSetting::kSpeed)) {
    report.NotApplied(PointerSetting::kSpeed, reason);
  }
}

void WritePointerControl(Display* display, AccelProfile profile, PointerReport& report) {
  if (profile == AccelProfile::kAdaptive) {
    XChangePointerControl(display, True, True, kAccelerationNumerator, 1, kAccelerationThreshold);
    report.Set(PointerSetting::kPrecision, "X pointer control", "acceleration 2/1 above 6");
  } else {
    XChangePointerControl(display, True, False, 1, 1, 0);
    report.Set(PointerSetting::kPrecision, "X pointer control", "acceleration 1/1");
  }
}

}  // namespace

void WriteXInputPointer(const std::string& displayName, const DesktopPointerValues& values,
                        PointerReport& report) {
  if (!values.profile && !values.acceleration) {
    return;
  }
  Display* display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (display == nullptr) {
    NoteMissed(values, "no X display to open", report);
    return;
  }
  std::optional<std::string> missed;
  {
    const std::lock_guard lock(errorHandlerMutex);
    const auto previous = XSetErrorHandler(NoteError);
    missed = WriteDevices(display, values, report);
    if (values.profile) {
      WritePointerControl(display, *values.profile, report);
    }
    XSync(display, False);
    XSetErrorHandler(previous);
  }
  XCloseDisplay(display);
  if (missed) {
    NoteMissed(values, *missed, report);
  }
}

}  // namespace n63k
