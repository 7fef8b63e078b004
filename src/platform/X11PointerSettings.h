#pragma once

#include <string>

#include "core/device/PointerSettings.h"

namespace n63k {

// The pointer settings on an X display: acceleration through the core pointer
// control, speed through the "libinput Accel Speed" property of every device
// that has it, and scroll lines where the desktop keeps them. Without a
// display nothing changes.
class X11PointerSettings final : public PointerSettings {
 public:
  // An empty name means $DISPLAY.
  explicit X11PointerSettings(std::string displayName = {})
      : displayName_(std::move(displayName)) {}

  void Apply(const PointerValues& values) override;

 private:
  std::string displayName_;
};

}  // namespace n63k
