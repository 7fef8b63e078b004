#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/PointerReport.h"
#include "core/device/PointerSettings.h"

namespace n63k {

// The desktops whose pointer settings the program knows how to change.
enum class PointerDesktop { kGnome, kKdeWayland, kKdeX11, kX11, kNone };

// "gnome", "kde-wayland", "kde-x11", "x11" or "none", as the trace names them.
std::string_view PointerDesktopName(PointerDesktop desktop);

// libinput's two acceleration profiles, which every desktop here offers.
enum class AccelProfile { kFlat, kAdaptive };

// A profile's pointer values on one desktop's scales. What the desktop has no
// setting for stays empty and is named in `notApplied`.
struct DesktopPointerValues {
  std::optional<AccelProfile> profile;
  // libinput's speed, -1 to 1: GNOME's "speed", KWin's "pointerAcceleration".
  std::optional<double> acceleration;
  // KWin's factor on every wheel step of a mouse.
  std::optional<double> scrollFactor;
  // Lines per notch for KDE applications (kdeglobals).
  std::optional<std::int32_t> wheelScrollLines;
  std::vector<PointerReport::Shortfall> notApplied;
};

// The one table from profile values to desktop settings:
//
//               precision       speed 1-20           lines 1-30              one screen
//   GNOME       accel-profile   speed                -                       -
//   KDE Wayland flat/adaptive   pointerAcceleration  scrollFactor lines / 3, -
//                                                    WheelScrollLines 3
//   KDE X11     flat/adaptive   libinput speed       WheelScrollLines        -
//   other X11   flat/adaptive   libinput speed       -                       -
//
// Precision on is the adaptive profile, off the flat one. Speed 10 is each
// desktop's middle, 0; every step is a tenth, and values past 1-20 are held
// at the ends. KWin scales the wheel for every application, so on Plasma
// Wayland the lines become a factor on Plasma's three lines per notch, and the
// lines of KDE applications go back to those three so the two do not
// multiply. No desktop scrolls a screen per notch; lines outside 1-30 are not
// a setting of the profile and are left alone.
DesktopPointerValues MapPointerValues(PointerDesktop desktop, const PointerValues& values);

// The shortest decimal that reads back as `value` ("0.5", "-1", "1.6666666666666667").
std::string PointerNumberText(double value);

}  // namespace n63k
