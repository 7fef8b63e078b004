#include "core/device/MouseNodeMatch.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "core/device/DeviceEvents.h"

namespace n63k {
namespace {

// The whole text as one hexadecimal number of at most 32 bits.
std::optional<std::uint32_t> Hex(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
    text.remove_suffix(1);
  }
  if (text.empty() || text.size() > 8) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool IsMouse(std::optional<std::uint32_t> vendor, std::optional<std::uint32_t> product) {
  return vendor == kMouseVendorId && product == kMouseProductId;
}

}  // namespace

bool IsMouseNode(const HidNodeProperties& properties) {
  if (!properties.hidId.empty()) {
    const std::string_view id = properties.hidId;
    const std::size_t first = id.find(':');
    const std::size_t second = first == std::string_view::npos ? first : id.find(':', first + 1);
    if (second == std::string_view::npos || !Hex(id.substr(0, first))) {
      return false;
    }
    return IsMouse(Hex(id.substr(first + 1, second - first - 1)), Hex(id.substr(second + 1)));
  }
  return IsMouse(Hex(properties.usbVendor), Hex(properties.usbProduct));
}

}  // namespace n63k
