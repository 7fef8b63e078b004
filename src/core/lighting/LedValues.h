#pragma once

#include <array>
#include <cstdint>

namespace n63k {

// The three arguments of the mouse's lighting-effect command.
struct LedEffect {
  std::uint8_t mode;
  std::uint8_t parameter;
  std::uint8_t extra;
};

// Red, green, blue of colours 1-3, then zeros.
using ColourBlock = std::array<std::uint8_t, 32>;

// What the proximity command carries: sensing on, or off.
inline constexpr std::uint8_t kProximityOn = 0xA0;
inline constexpr std::uint8_t kProximityOff = 0xB0;

}  // namespace n63k
