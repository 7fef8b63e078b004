#pragma once

#include "core/device/DesktopPointerSettings.h"

namespace n63k {

// The pointer settings of GNOME, on X11 and Wayland alike: the desktop's
// mouse settings (org.gnome.desktop.peripherals.mouse) through GSettings,
// which the desktop applies at once and keeps. A system without those
// settings changes nothing.
class GnomePointerSettings final : public DesktopPointerSettings {
 public:
  GnomePointerSettings() : DesktopPointerSettings(PointerDesktop::kGnome) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override;
};

}  // namespace n63k
