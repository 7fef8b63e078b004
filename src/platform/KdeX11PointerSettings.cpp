#include "platform/KdeX11PointerSettings.h"

#include "platform/KdeConfig.h"
#include "platform/KdeWheelScrollLines.h"
#include "platform/SessionBus.h"
#include "platform/XInputPointer.h"

namespace n63k {
namespace {

// Plasma's X11 mouse settings keep these two in kcminputrc.
constexpr char kAccelerationKey[] = "XLbInptPointerAcceleration";
constexpr char kFlatProfileKey[] = "XLbInptAccelProfileFlat";

void WriteInputFile(PointerSetting setting, const std::string& key, const std::string& value,
                    PointerReport& report) {
  const std::string target = "kcminputrc [Mouse] " + key;
  if (WriteKdeConfig("kcminputrc", "Mouse", key, value, false)) {
    report.Set(setting, target, value);
  } else {
    report.Failed(setting, target, value, "neither kwriteconfig6 nor kwriteconfig5 ran");
  }
}

}  // namespace

void KdeX11PointerSettings::Write(const DesktopPointerValues& values, PointerReport& report) {
  if (values.profile) {
    WriteInputFile(PointerSetting::kPrecision, kFlatProfileKey,
                   *values.profile == AccelProfile::kFlat ? "true" : "false", report);
  }
  if (values.acceleration) {
    WriteInputFile(PointerSetting::kSpeed, kAccelerationKey,
                   PointerNumberText(*values.acceleration), report);
  }
  WriteXInputPointer(displayName_, values, report);
  if (values.wheelScrollLines) {
    SessionBus bus(busAddress_);
    WriteKdeWheelScrollLines(*values.wheelScrollLines, bus, report);
  }
}

}  // namespace n63k
