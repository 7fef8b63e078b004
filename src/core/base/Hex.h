#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace n63k {

// Two lowercase hexadecimal digits per byte, separated by single spaces.
std::string HexBytes(std::span<const std::uint8_t> bytes);

// "0x" and eight lowercase hexadecimal digits.
std::string Hex32(std::uint32_t value);

}  // namespace n63k
