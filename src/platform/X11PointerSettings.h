#pragma once

#include <string>

#include "core/device/DesktopPointerSettings.h"

namespace n63k {

// The pointer settings of an X11 desktop that keeps none of its own: the
// libinput properties of the mice and the core pointer control, live and
// until the session ends. Without a display nothing changes.
class X11PointerSettings final : public DesktopPointerSettings {
 public:
  // An empty name means $DISPLAY.
  explicit X11PointerSettings(std::string displayName = {})
      : DesktopPointerSettings(PointerDesktop::kX11), displayName_(std::move(displayName)) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override;

  std::string displayName_;
};

}  // namespace n63k
