#include "core/device/DesktopPointerSettings.h"

namespace n63k {
namespace {

bool Mapped(const DesktopPointerValues& values, PointerSetting setting) {
  switch (setting) {
    case PointerSetting::kPrecision:
      return values.profile.has_value();
    case PointerSetting::kSpeed:
      return values.acceleration.has_value();
    case PointerSetting::kLines:
      return values.scrollFactor.has_value() || values.wheelScrollLines.has_value();
  }
  return false;
}

}  // namespace

void DesktopPointerSettings::Apply(const PointerValues& values) {
  const DesktopPointerValues mapped = MapPointerValues(desktop_, values);
  PointerReport report;
  report.backend = PointerDesktopName(desktop_);
  report.notApplied = mapped.notApplied;
  Write(mapped, report);
  for (const PointerSetting setting :
       {PointerSetting::kPrecision, PointerSetting::kSpeed, PointerSetting::kLines}) {
    if (Mapped(mapped, setting) && !report.Applied(setting) && !report.Missed(setting)) {
      report.NotApplied(setting, "the desktop took none of its writes");
    }
  }
  last_ = std::move(report);
}

}  // namespace n63k
