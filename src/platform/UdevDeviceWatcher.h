#pragma once

#include <memory>

#include "core/device/DeviceEvents.h"
#include "core/device/MousePresence.h"

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

namespace n63k {

// The mouse's hidraw nodes coming and going, from udev's monitor, told on the
// Qt event loop of the thread that started it.
class UdevDeviceWatcher final : public DeviceWatcher {
 public:
  UdevDeviceWatcher() = default;
  UdevDeviceWatcher(const UdevDeviceWatcher&) = delete;
  UdevDeviceWatcher& operator=(const UdevDeviceWatcher&) = delete;
  ~UdevDeviceWatcher() override;

  bool Start(DeviceEvents& events) override;

 private:
  void ReadEvents();
  void TakePresentNodes();

  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::unique_ptr<MousePresence> presence_;
};

}  // namespace n63k
