#pragma once

#include <cstddef>
#include <cstdint>

namespace n63k {

// What one control of the mouse does, as stored in a profile. Fields of
// another function code keep what an earlier assignment left in them, so every
// reader tests `functionCode` first.
struct ButtonEntry {
  std::int32_t functionCode;
  std::uint32_t macroId;      // function code 6
  std::int32_t pcActionKind;  // function code 19: 0xC0 sound, 0xD0 program, 0xE0 file, 0xF0 folder
  std::int32_t reserved0;
  std::uint32_t comboWord;     // function code 5: device word of the key combination
  std::uint32_t pcActionTag;   // function code 19: the chooser's tag, kept but never read
  char16_t pcActionPath[260];  // function code 19
  std::int32_t reserved1;
  char16_t caption[260];  // what the chooser shows as the current function
  std::uint8_t reserved2[2080];
};

static_assert(sizeof(ButtonEntry) == 3148);
static_assert(offsetof(ButtonEntry, functionCode) == 0);
static_assert(offsetof(ButtonEntry, macroId) == 4);
static_assert(offsetof(ButtonEntry, pcActionKind) == 8);
static_assert(offsetof(ButtonEntry, comboWord) == 16);
static_assert(offsetof(ButtonEntry, pcActionTag) == 20);
static_assert(offsetof(ButtonEntry, pcActionPath) == 24);
static_assert(offsetof(ButtonEntry, reserved1) == 544);
static_assert(offsetof(ButtonEntry, caption) == 548);
static_assert(offsetof(ButtonEntry, reserved2) == 1068);

}  // namespace n63k
