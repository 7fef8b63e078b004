#include "core/base/Hex.h"

namespace n63k {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

}  // namespace

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  for (const std::uint8_t byte : bytes) {
    if (!text.empty()) {
      text += ' ';
    }
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::string Hex32(std::uint32_t value) {
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) {
    text += kDigits[(value >> shift) & 0xF];
  }
  return text;
}

}  // namespace n63k
