#pragma once

#include <cstdint>

namespace n63k {

// The mouse on the USB bus.
inline constexpr std::uint16_t kMouseVendorId = 0x24AE;
inline constexpr std::uint16_t kMouseProductId = 0x4110;

// Told when the mouse is plugged in or unplugged, on the window thread. Other
// devices are never reported; a mouse with several interfaces is one arrival
// and one removal.
class DeviceEvents {
 public:
  virtual ~DeviceEvents() = default;
  virtual void MouseArrived() = 0;
  virtual void MouseRemoved() = 0;
};

// Watches the system's device events for the mouse.
class DeviceWatcher {
 public:
  virtual ~DeviceWatcher() = default;
  // Starts telling `events`, taking the mouse as it is now (present or not)
  // as the starting point; false when the system cannot watch.
  virtual bool Start(DeviceEvents& events) = 0;
};

}  // namespace n63k
