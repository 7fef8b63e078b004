#include "platform/evdev/MouseEventNodes.h"

#include <linux/input.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <tuple>

namespace n63k::platform {
namespace {

constexpr char kVendor[] = "24ae";
constexpr char kProduct[] = "4110";
constexpr char kEventPrefix[] = "event";
constexpr unsigned kPointerAxes[] = {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES};

std::string FirstWord(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string word;
  in >> word;
  return word;
}

// The USB device that a node belongs to: the nearest folder above it that
// names a vendor and a product.
std::filesystem::path UsbDevice(std::filesystem::path folder) {
  std::error_code error;
  while (folder.has_relative_path()) {
    if (std::filesystem::exists(folder / "idVendor", error) &&
        std::filesystem::exists(folder / "idProduct", error)) {
      return folder;
    }
    folder = folder.parent_path();
  }
  return {};
}

// A capability file: hexadecimal words of the kernel's long, most
// significant first.
bool HasBit(const std::filesystem::path& file, unsigned bit) {
  std::ifstream in(file);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  constexpr unsigned kWordBits = sizeof(long) * CHAR_BIT;
  const std::size_t fromEnd = bit / kWordBits;
  if (fromEnd >= words.size()) {
    return false;
  }
  std::uint64_t value = 0;
  std::istringstream(words[words.size() - 1 - fromEnd]) >> std::hex >> value;
  return ((value >> (bit % kWordBits)) & 1U) != 0;
}

bool ReportsPointerInput(const std::filesystem::path& capabilities) {
  for (const std::uint16_t button : kMouseButtonCodes) {
    if (HasBit(capabilities / "key", button)) {
      return true;
    }
  }
  for (const unsigned axis : kPointerAxes) {
    if (HasBit(capabilities / "rel", axis)) {
      return true;
    }
  }
  return false;
}

unsigned long NodeNumber(const std::string& devicePath) {
  const std::size_t digits = devicePath.find_last_not_of("0123456789") + 1;
  return digits < devicePath.size() ? std::stoul(devicePath.substr(digits)) : 0;
}

}  // namespace

std::vector<MouseEventNode> FindMouseEventNodes(const std::filesystem::path& sysRoot,
                                                const std::filesystem::path& devRoot) {
  std::vector<MouseEventNode> nodes;
  std::error_code error;
  std::filesystem::directory_iterator entries(sysRoot / "class" / "input", error);
  if (error) {
    return nodes;
  }
  for (const std::filesystem::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kEventPrefix, 0) != 0) {
      continue;
    }
    const std::filesystem::path node = std::filesystem::canonical(entry.path(), error);
    if (error) {
      continue;
    }
    // eventN sits in the input device inputM, which holds the capabilities.
    const std::filesystem::path inputDevice = node.parent_path();
    const std::filesystem::path usb = UsbDevice(inputDevice.parent_path());
    if (usb.empty() || FirstWord(usb / "idVendor") != kVendor ||
        FirstWord(usb / "idProduct") != kProduct ||
        !ReportsPointerInput(inputDevice / "capabilities")) {
      continue;
    }
    nodes.push_back(MouseEventNode{(devRoot / "input" / name).string(), usb.string(),
                                   HasBit(inputDevice / "capabilities" / "rel", REL_WHEEL)});
  }
  std::sort(nodes.begin(), nodes.end(), [](const MouseEventNode& a, const MouseEventNode& b) {
    return std::make_tuple(a.parent, NodeNumber(a.devicePath)) <
           std::make_tuple(b.parent, NodeNumber(b.devicePath));
  });
  return nodes;
}

}  // namespace n63k::platform
