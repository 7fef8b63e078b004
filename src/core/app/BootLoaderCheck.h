#pragma once

#include <cstdint>
#include <filesystem>

#include "core/base/Clock.h"

namespace n63k {

// The mouse waiting in its boot loader shows up as this USB device.
inline constexpr char kBootLoaderVendorId[] = "04d9";
inline constexpr char kBootLoaderProductId[] = "8022";
inline constexpr int kBootLoaderScans = 2;
inline constexpr std::uint32_t kBootLoaderPauseMs = 500;
inline constexpr char kUsbDevicesFolder[] = "/sys/bus/usb/devices";

// Looks for the boot loader among the present USB devices: a folder with one
// entry per device (links, as sysfs has them), each with idVendor and
// idProduct files.
class BootLoaderCheck {
 public:
  BootLoaderCheck(Clock& clock, std::filesystem::path usbDevices = kUsbDevicesFolder)
      : clock_(clock), usbDevices_(std::move(usbDevices)) {}

  // Scans twice, pausing after each miss, so a mouse that is just switching
  // into its boot loader is still seen; true at the first hit.
  bool Run();
  // One scan, no pause.
  bool Present() const;

 private:
  Clock& clock_;
  std::filesystem::path usbDevices_;
};

}  // namespace n63k
