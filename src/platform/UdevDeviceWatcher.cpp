#include "platform/UdevDeviceWatcher.h"

#include <libudev.h>

#include <QSocketNotifier>
#include <string>
#include <string_view>

#include "core/device/MouseNodeMatch.h"

namespace n63k {
namespace {

constexpr char kSubsystem[] = "hidraw";

std::string_view Text(const char* text) {
  return text != nullptr ? std::string_view(text) : std::string_view();
}

// The node's parents as udev knows them; only while the device exists.
bool IsMouse(udev_device* node) {
  HidNodeProperties properties;
  if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", nullptr)) {
    properties.hidId = Text(udev_device_get_property_value(hid, "HID_ID"));
  }
  if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(node, "usb", "usb_device")) {
    properties.usbVendor = Text(udev_device_get_sysattr_value(usb, "idVendor"));
    properties.usbProduct = Text(udev_device_get_sysattr_value(usb, "idProduct"));
  }
  return IsMouseNode(properties);
}

}  // namespace

UdevDeviceWatcher::~UdevDeviceWatcher() {
  notifier_.reset();
  if (monitor_ != nullptr) {
    udev_monitor_unref(monitor_);
  }
  if (udev_ != nullptr) {
    udev_unref(udev_);
  }
}

bool UdevDeviceWatcher::Start(DeviceEvents& events) {
  if (udev_ != nullptr) {
    return false;
  }
  udev_ = udev_new();
  if (udev_ == nullptr) {
    return false;
  }
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (monitor_ == nullptr) {
    return false;
  }
  if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor_) < 0) {
    udev_monitor_unref(monitor_);
    monitor_ = nullptr;
    return false;
  }
  presence_ = std::make_unique<MousePresence>(events);
  // Listening starts before the scan, so a mouse plugged in meanwhile is not
  // missed; seen twice it is still one node.
  TakePresentNodes();
  notifier_ =
      std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { ReadEvents(); });
  return true;
}

void UdevDeviceWatcher::TakePresentNodes() {
  udev_enumerate* scan = udev_enumerate_new(udev_);
  if (scan == nullptr) {
    return;
  }
  udev_enumerate_add_match_subsystem(scan, kSubsystem);
  udev_enumerate_scan_devices(scan);
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan)) {
    udev_device* node = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
    if (node == nullptr) {
      continue;
    }
    if (IsMouse(node)) {
      presence_->Present(udev_device_get_syspath(node));
    }
    udev_device_unref(node);
  }
  udev_enumerate_unref(scan);
}

void UdevDeviceWatcher::ReadEvents() {
  // The socket does not block: read until it is empty.
  while (udev_device* node = udev_monitor_receive_device(monitor_)) {
    const std::string_view action = Text(udev_device_get_action(node));
    const std::string path(Text(udev_device_get_syspath(node)));
    if (action == "add" && IsMouse(node)) {
      presence_->Added(path);
    } else if (action == "remove") {
      // A removed node has no parents left to ask; it is known by its path.
      presence_->Removed(path);
    }
    udev_device_unref(node);
  }
}

}  // namespace n63k
