#pragma once

#include <cstddef>
#include <cstdint>

namespace n63k {

// The 32-bit word that tells the mouse what a control does. Byte 0 is the
// type; the meaning of bytes 1-3 depends on it.
enum class DeviceWordType : std::uint8_t {
  kKeyboard = 0x00,     // byte 1 modifier bits, byte 2 keyboard usage
  kMouseButton = 0x01,  // byte 2: 0xF0 left, 0xF1 right, 0xF2 middle, 0xF3 back, 0xF4 forward
  kConsumer = 0x03,     // bytes 2-3: consumer-page usage, low byte first
  kWheel = 0x04,        // byte 2: 1 forward, 2 backward
  kSpecial = 0x07,      // no action, sniper, the fixed word of key-matrix position 3
  kMacro = 0x09,        // byte 2 device macro slot, byte 3 word count
  kRapidFire = 0x0A,
};

// Modifier bits of a keyboard word: the left-hand modifier bits of a USB HID
// keyboard report.
inline constexpr std::uint8_t kModifierCtrl = 0x01;
inline constexpr std::uint8_t kModifierShift = 0x02;
inline constexpr std::uint8_t kModifierAlt = 0x04;
inline constexpr std::uint8_t kModifierWin = 0x08;

constexpr std::uint8_t WordModifiers(std::uint32_t word) {
  return static_cast<std::uint8_t>(word >> 8);
}

constexpr std::uint8_t WordKeyUsage(std::uint32_t word) {
  return static_cast<std::uint8_t>(word >> 16);
}

// The word of a button that plays the macro in device macro slot `deviceSlot`
// (1-7); the mouse learns the macro's length from the low 8 bits of its word
// count.
constexpr std::uint32_t MacroDeviceWord(int deviceSlot, std::size_t wordCount) {
  return static_cast<std::uint32_t>(DeviceWordType::kMacro) |
         (static_cast<std::uint32_t>(deviceSlot) & 0xFFu) << 16 |
         (static_cast<std::uint32_t>(wordCount) & 0xFFu) << 24;
}

static_assert(MacroDeviceWord(2, 3) == 0x03020009);

}  // namespace n63k
