#pragma once

#include <array>
#include <cstdint>

namespace n63k {

// The mouse's interface is the one whose report descriptor has a feature
// value of this vendor usage; every command travels in its reports.
inline constexpr std::uint16_t kFeatureUsagePage = 0xFF01;
inline constexpr std::uint16_t kFeatureUsage = 0x22;

// The first byte of every command report; the program and the simulated
// mouse speak through this one list.
enum class Command : std::uint8_t {
  kPollingRate = 0x01,
  kProximity = 0x03,
  kLedColours = 0x09,
  kDpiStage = 0x0B,
  kLedColour = 0x0C,
  kLedEffect = 0x0D,
  kDpiTable = 0x11,
  kKeyMatrix = 0x12,
  kMacro = 0x13,
  kFirmwareVersion = 0x80,
};

constexpr std::uint8_t CommandByte(Command command) {
  return static_cast<std::uint8_t>(command);
}

// The second byte of the commands that set something.
inline constexpr std::uint8_t kSet = 0x01;

// Sixteen device words, one per key-matrix position.
using KeyMatrix = std::array<std::uint32_t, 16>;
// The stage codes of DPI stages 1-7, 0x02, the same seven codes, 0x02.
using DpiBlock = std::array<std::uint8_t, 16>;

}  // namespace n63k
