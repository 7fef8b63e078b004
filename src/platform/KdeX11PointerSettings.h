#pragma once

#include <string>

#include "core/device/DesktopPointerSettings.h"

namespace n63k {

// The pointer settings of KDE Plasma on X11: the mouse section of
// kcminputrc, which Plasma applies at every login, the libinput properties
// of the mice for the change now, and the wheel lines of KDE applications.
class KdeX11PointerSettings final : public DesktopPointerSettings {
 public:
  // Empty names mean $DISPLAY and the session bus.
  explicit KdeX11PointerSettings(std::string displayName = {}, std::string busAddress = {})
      : DesktopPointerSettings(PointerDesktop::kKdeX11),
        displayName_(std::move(displayName)),
        busAddress_(std::move(busAddress)) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override;

  std::string displayName_;
  std::string busAddress_;
};

}  // namespace n63k
