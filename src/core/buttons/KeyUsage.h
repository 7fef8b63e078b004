#pragma once

#include <cstdint>
#include <span>

namespace n63k {

// A key as the mouse knows it (USB HID keyboard usage, or 0xF0-0xF2 for its own
// left, right and middle button) and as the computer reports it (Windows
// virtual-key code, the code every stored key uses).
struct KeyUsagePair {
  std::uint8_t usage;
  std::uint8_t virtualKey;
};

// The 113 pairs of the key usage table in search order, including six
// reserved pairs with virtual-key code 0.
std::span<const KeyUsagePair> KeyUsageTable();

// The same table without its reserved pairs: 107 pairs. Every lookup gives
// the same answer in both.
std::span<const KeyUsagePair> ComboKeyTable();

// The usage of the first pair whose virtual-key code equals `key` (a 24-bit
// macro event value counts whole); 0 when none does. Enter gives 0x28, never
// the keypad Enter usage.
std::uint8_t UsageFromKey(std::uint32_t key);

// The virtual-key code of the pair with that usage; 0 when none has it.
std::uint8_t KeyFromUsage(std::uint8_t usage);

}  // namespace n63k
