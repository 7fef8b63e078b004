#include "core/device/PointerMapping.h"

#include <algorithm>
#include <charconv>

namespace n63k {
namespace {

constexpr std::int32_t kMiddleSpeed = 10;
// Ten steps either side of the middle.
constexpr double kSpeedSteps = 10.0;
constexpr std::int32_t kFewestLines = 1;
constexpr std::int32_t kMostLines = 30;
constexpr std::int32_t kOneScreen = -1;
// Plasma's own lines per notch, which its scroll factor multiplies.
constexpr std::int32_t kPlasmaLines = 3;

double Acceleration(std::int32_t speed) {
  return std::clamp((static_cast<double>(speed) - kMiddleSpeed) / kSpeedSteps, -1.0, 1.0);
}

// Why the lines reach no desktop at all, or nothing when they may.
std::optional<std::string> LinesOutOfReach(std::int32_t lines) {
  if (lines == kOneScreen) {
    return "no Linux desktop scrolls one screen per notch";
  }
  if (lines < kFewestLines || lines > kMostLines) {
    return "lines " + std::to_string(lines) + " outside 1-30";
  }
  return std::nullopt;
}

}  // namespace

std::string_view PointerDesktopName(PointerDesktop desktop) {
  switch (desktop) {
    case PointerDesktop::kGnome:
      return "gnome";
    case PointerDesktop::kKdeWayland:
      return "kde-wayland";
    case PointerDesktop::kKdeX11:
      return "kde-x11";
    case PointerDesktop::kX11:
      return "x11";
    case PointerDesktop::kNone:
      return "none";
  }
  return "none";
}

DesktopPointerValues MapPointerValues(PointerDesktop desktop, const PointerValues& values) {
  DesktopPointerValues mapped;
  if (desktop == PointerDesktop::kNone) {
    const std::string reason = "no desktop here whose pointer settings the program can change";
    for (const PointerSetting setting :
         {PointerSetting::kPrecision, PointerSetting::kSpeed, PointerSetting::kLines}) {
      mapped.notApplied.push_back({setting, reason});
    }
    return mapped;
  }

  mapped.profile = values.precision != 0 ? AccelProfile::kAdaptive : AccelProfile::kFlat;
  mapped.acceleration = Acceleration(values.speed);

  if (const auto outOfReach = LinesOutOfReach(values.scrollLines)) {
    mapped.notApplied.push_back({PointerSetting::kLines, *outOfReach});
    return mapped;
  }
  switch (desktop) {
    case PointerDesktop::kGnome:
      mapped.notApplied.push_back(
          {PointerSetting::kLines, "GNOME has no scroll-lines setting for mice"});
      break;
    case PointerDesktop::kKdeWayland:
      mapped.scrollFactor = static_cast<double>(values.scrollLines) / kPlasmaLines;
      mapped.wheelScrollLines = kPlasmaLines;
      break;
    case PointerDesktop::kKdeX11:
      mapped.wheelScrollLines = values.scrollLines;
      break;
    case PointerDesktop::kX11:
      mapped.notApplied.push_back(
          {PointerSetting::kLines, "an X11 desktop other than KDE has no scroll-lines setting"});
      break;
    case PointerDesktop::kNone:
      break;
  }
  return mapped;
}

std::string PointerNumberText(double value) {
  char text[32];
  const auto result = std::to_chars(std::begin(text), std::end(text), value);
  return {text, result.ptr};
}

}  // namespace n63k
