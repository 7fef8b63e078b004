#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace n63k {

inline constexpr int kButtonCount = 7;

// The seven controls in slot order: left, middle, right, forward, back, wheel
// up, wheel down.
struct ButtonSlot {
  std::string_view name;       // as the command-line tool names the slot
  std::int32_t defaultCode;    // function code of a default profile
  std::uint32_t defaultWord;   // device word of that default function
  std::uint32_t hookIdentity;  // how the global input hooks identify the control
  int keyMatrixPosition;       // where the worker puts the slot's device word
};

inline constexpr std::array<ButtonSlot, kButtonCount> kButtonSlots = {{
    {"left", 1, 0x00F00001, 0x0201, 0},
    {"middle", 4, 0x00F20001, 0x0207, 2},
    {"right", 2, 0x00F10001, 0x0204, 1},
    {"forward", 8, 0x00F40001, 0x2020B, 5},
    {"back", 16, 0x00F30001, 0x1020B, 4},
    {"wheel-up", 11, 0x00010004, 0x20A01, 14},
    {"wheel-down", 22, 0x00020004, 0x20A00, 15},
}};

}  // namespace n63k
