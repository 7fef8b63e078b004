#pragma once

#include <string>

#include "core/device/DesktopPointerSettings.h"

namespace n63k {

// The pointer settings of KDE Plasma on Wayland: KWin's input devices over
// D-Bus, which apply at once and which KWin keeps, for every mouse (not the
// touchpads), and the wheel lines of KDE applications.
class KdeWaylandPointerSettings final : public DesktopPointerSettings {
 public:
  // An empty address means the session bus.
  explicit KdeWaylandPointerSettings(std::string busAddress = {})
      : DesktopPointerSettings(PointerDesktop::kKdeWayland), busAddress_(std::move(busAddress)) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override;

  std::string busAddress_;
};

}  // namespace n63k
