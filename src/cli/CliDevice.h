#pragma once

#include <memory>

#include "cli/Context.h"
#include "core/device/DeviceLink.h"
#include "core/device/PointerSettings.h"
#include "core/device/SimulatedMouse.h"
#include "core/device/TracedDevice.h"

namespace n63k::cli {

// The mouse and the desktop as a device command reaches them: the simulated
// mouse (--simulate, --simulate-fail or N63K_DEVICE=simulated) or the real
// one, each traced on request.
class CliDevice {
 public:
  CliDevice(Context& context, bool trace);
  CliDevice(const CliDevice&) = delete;
  CliDevice& operator=(const CliDevice&) = delete;
  ~CliDevice();

  // Finds and opens the mouse; false after telling the user why not.
  bool Open();

  DeviceLink& link() { return *link_; }
  PointerSettings& pointer() { return *pointer_; }
  // The trace, or null without --trace.
  TracedDevice* traced() { return traced_.get(); }
  // The simulated mouse, or null with the real one.
  const SimulatedMouse* simulated() const { return simulated_; }

 private:
  Context& context_;
  std::unique_ptr<SimulatedMouse> ownSimulated_;
  SimulatedMouse* simulated_ = nullptr;
  std::unique_ptr<HidTransport> ownTransport_;
  std::unique_ptr<PointerSettings> ownPointer_;
  std::unique_ptr<TracedDevice> traced_;
  std::unique_ptr<DeviceLink> link_;
  PointerSettings* pointer_ = nullptr;
};

}  // namespace n63k::cli
