#pragma once

#include "core/device/PointerMapping.h"
#include "core/device/PointerSettings.h"

namespace n63k {

// The pointer settings of one desktop: maps the profile's values onto the
// desktop's scales, lets the desktop's backend write them and keeps the
// account. A value that the desktop cannot express, or that no write
// reached, is named in the report with the reason.
class DesktopPointerSettings : public PointerSettings {
 public:
  explicit DesktopPointerSettings(PointerDesktop desktop) : desktop_(desktop) {}

  void Apply(const PointerValues& values) final;
  PointerReport LastReport() const final { return last_; }

  PointerDesktop desktop() const { return desktop_; }

 protected:
  // Writes what `values` holds, noting each write in `report`; a failure is
  // noted, never raised. A setting the backend finds nothing to write to is
  // noted with `NotApplied` and the reason.
  virtual void Write(const DesktopPointerValues& values, PointerReport& report) = 0;

 private:
  PointerDesktop desktop_;
  PointerReport last_;
};

}  // namespace n63k
