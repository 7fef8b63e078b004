#include "platform/HidapiTransport.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "core/device/ProtocolValues.h"
#include "core/device/ReportDescriptor.h"

namespace n63k {
namespace {

constexpr unsigned short kVendorId = 0x24AE;
constexpr unsigned short kProductId = 0x4110;

bool IsPermissionError(int error) {
  return error == EACCES || error == EPERM;
}

// The report descriptor of a hidraw node; none when it cannot be read.
// `denied` tells whether the node may not be opened for reading and writing,
// as the transfers need it, for lack of permission.
std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const char* path, bool& denied) {
  const int fd = ::open(path, O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    denied = IsPermissionError(errno);
    return std::nullopt;
  }
  int size = 0;
  hidraw_report_descriptor descriptor{};
  std::optional<std::vector<std::uint8_t>> bytes;
  if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size >= 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
    descriptor.size = static_cast<__u32>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) {
      bytes.emplace(descriptor.value, descriptor.value + size);
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace

HidapiTransport::~HidapiTransport() {
  Close();
  if (prepared_) {
    hid_exit();
  }
}

bool HidapiTransport::Prepare() {
  if (!prepared_) {
    prepared_ = hid_init() == 0;
  }
  return prepared_;
}

OpenResult HidapiTransport::Open() {
  Close();
  if (!Prepare()) {
    return OpenResult::kNotFound;
  }
  hid_device_info* const list = hid_enumerate(kVendorId, kProductId);
  std::optional<std::string> deniedPath;
  OpenResult result = OpenResult::kNotFound;
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    bool denied = false;
    const auto descriptor = ReadReportDescriptor(info->path, denied);
    if (denied && !deniedPath) {
      deniedPath = info->path;
    }
    if (!descriptor) {
      continue;
    }
    const auto fields = ParseReportDescriptor(*descriptor);
    const auto value =
        fields ? FindFeatureValue(*fields, kFeatureUsagePage, kFeatureUsage) : std::nullopt;
    if (!value) {
      continue;
    }
    device_ = hid_open_path(info->path);
    if (device_ == nullptr) {
      continue;
    }
    path_ = info->path;
    reportId_ = value->reportId;
    reportLength_ = value->reportCount;
    result = OpenResult::kOpened;
    break;
  }
  hid_free_enumeration(list);
  if (result != OpenResult::kOpened && deniedPath) {
    path_ = *deniedPath;
    result = OpenResult::kNoPermission;
  }
  return result;
}

void HidapiTransport::Close() {
  if (device_ != nullptr) {
    hid_close(device_);
    device_ = nullptr;
  }
}

bool HidapiTransport::SendFeatureReport(std::span<const std::uint8_t> frame) {
  return device_ != nullptr && hid_send_feature_report(device_, frame.data(), frame.size()) ==
                                   static_cast<int>(frame.size());
}

bool HidapiTransport::GetFeatureReport(std::span<std::uint8_t> frame) {
  return device_ != nullptr && hid_get_feature_report(device_, frame.data(), frame.size()) > 0;
}

WriteResult HidapiTransport::WriteOutputReport(std::span<const std::uint8_t> frame) {
  if (device_ == nullptr ||
      hid_write(device_, frame.data(), frame.size()) != static_cast<int>(frame.size())) {
    return WriteResult::kFailed;
  }
  return WriteResult::kDone;
}

bool HidapiTransport::WaitPendingWrite(std::uint32_t /*limitMs*/) {
  return false;
}

}  // namespace n63k
