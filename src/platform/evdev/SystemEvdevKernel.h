#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/evdev/EvdevKernel.h"

struct udev;
struct udev_monitor;

namespace n63k::platform {

// The real kernel: event nodes found in /sys, hot-plug from udev's monitor,
// clones through /dev/uinput with libevdev.
class SystemEvdevKernel final : public EvdevKernel {
 public:
  SystemEvdevKernel() = default;
  SystemEvdevKernel(const SystemEvdevKernel&) = delete;
  SystemEvdevKernel& operator=(const SystemEvdevKernel&) = delete;
  ~SystemEvdevKernel() override;

  std::vector<MouseEventNode> FindNodes() override;
  int HotplugFd() override;
  bool TakeHotplug() override;

  int Open(const std::string& devicePath) override;
  long Read(int fd, void* buffer, std::size_t size) override;
  int Grab(int fd, bool grab) override;
  int HeldButtons(int fd, std::uint32_t& held) override;
  void Close(int fd) override;

  bool CanCreateClones() override;
  std::unique_ptr<CloneDevice> CreateClone(int fd) override;

 private:
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
};

}  // namespace n63k::platform
