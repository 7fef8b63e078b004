#include "platform/evdev/SystemEvdevKernel.h"

#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libudev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <string_view>

#include "platform/evdev/CloneDescription.h"
#include "platform/evdev/MouseEventNodes.h"

namespace n63k::platform {
namespace {

constexpr char kUinputPath[] = "/dev/uinput";

int Failure() {
  return -errno;
}

class UinputClone final : public CloneDevice {
 public:
  explicit UinputClone(libevdev_uinput* device) : device_(device) {}
  UinputClone(const UinputClone&) = delete;
  UinputClone& operator=(const UinputClone&) = delete;
  ~UinputClone() override { libevdev_uinput_destroy(device_); }

  // One write for the whole frame: the kernel takes several events at once.
  bool Write(const input_event* events, std::size_t count) override {
    const std::size_t size = count * sizeof(input_event);
    ssize_t written = 0;
    do {
      written = ::write(libevdev_uinput_get_fd(device_), events, size);
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(size);
  }

 private:
  libevdev_uinput* device_;
};

}  // namespace

SystemEvdevKernel::~SystemEvdevKernel() {
  if (monitor_ != nullptr) {
    udev_monitor_unref(monitor_);
  }
  if (udev_ != nullptr) {
    udev_unref(udev_);
  }
}

std::vector<MouseEventNode> SystemEvdevKernel::FindNodes() {
  return FindMouseEventNodes("/sys", "/dev");
}

int SystemEvdevKernel::HotplugFd() {
  if (monitor_ == nullptr) {
    if (udev_ == nullptr) {
      udev_ = udev_new();
    }
    if (udev_ == nullptr) {
      return -1;
    }
    // "udev" rather than "kernel": by then the rules have given us access.
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ == nullptr) {
      return -1;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "input", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
      udev_monitor_unref(monitor_);
      monitor_ = nullptr;
      return -1;
    }
  }
  return udev_monitor_get_fd(monitor_);
}

bool SystemEvdevKernel::TakeHotplug() {
  if (monitor_ == nullptr) {
    return false;
  }
  bool nodesChanged = false;
  while (udev_device* device = udev_monitor_receive_device(monitor_)) {
    const char* action = udev_device_get_action(device);
    const char* node = udev_device_get_devnode(device);
    if (action != nullptr && node != nullptr &&
        std::string_view(node).find("/event") != std::string_view::npos &&
        (std::string_view(action) == "add" || std::string_view(action) == "remove")) {
      nodesChanged = true;
    }
    udev_device_unref(device);
  }
  return nodesChanged;
}

int SystemEvdevKernel::Open(const std::string& devicePath) {
  const int fd = ::open(devicePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  return fd >= 0 ? fd : Failure();
}

long SystemEvdevKernel::Read(int fd, void* buffer, std::size_t size) {
  const ssize_t count = ::read(fd, buffer, size);
  return count >= 0 ? static_cast<long>(count) : Failure();
}

int SystemEvdevKernel::Grab(int fd, bool grab) {
  return ::ioctl(fd, EVIOCGRAB, grab ? 1 : 0) == 0 ? 0 : Failure();
}

int SystemEvdevKernel::HeldButtons(int fd, std::uint32_t& held) {
  constexpr std::size_t kLongBits = sizeof(unsigned long) * CHAR_BIT;
  std::array<unsigned long, KEY_MAX / kLongBits + 1> keys{};
  if (::ioctl(fd, EVIOCGKEY(sizeof(keys)), keys.data()) < 0) {
    return Failure();
  }
  held = 0;
  for (std::size_t i = 0; i < std::size(kMouseButtonCodes); ++i) {
    const std::size_t code = kMouseButtonCodes[i];
    if (((keys[code / kLongBits] >> (code % kLongBits)) & 1UL) != 0) {
      held |= 1U << i;
    }
  }
  return 0;
}

void SystemEvdevKernel::Close(int fd) {
  ::close(fd);
}

bool SystemEvdevKernel::CanCreateClones() {
  const int fd = ::open(kUinputPath, O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  ::close(fd);
  return true;
}

std::unique_ptr<CloneDevice> SystemEvdevKernel::CreateClone(int fd) {
  libevdev* source = nullptr;
  if (libevdev_new_from_fd(fd, &source) < 0) {
    return nullptr;
  }
  LibevdevDevice description = CloneDescription(*source);
  libevdev_free(source);
  if (!description) {
    return nullptr;
  }
  libevdev_uinput* device = nullptr;
  if (libevdev_uinput_create_from_device(description.get(), LIBEVDEV_UINPUT_OPEN_MANAGED, &device) <
      0) {
    return nullptr;
  }
  return std::make_unique<UinputClone>(device);
}

}  // namespace n63k::platform
