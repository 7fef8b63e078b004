#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/base/Clock.h"

namespace n63k {

static_assert(std::endian::native == std::endian::little,
              "stored records are little-endian and read by copying");

inline constexpr std::size_t kMacroEventCapacity = 1000;
inline constexpr std::uint32_t kMacroMagic = 0xE8E80010;
// Readers recognise a record by the upper half of its magic only.
inline constexpr std::uint32_t kMacroMagicMark = 0xE8E8;
// How often the mouse plays a macro: 1..kMaxLoopCount, or kSingleKeyLoop for a
// macro that is one key press (the editor shows it as 1).
inline constexpr std::uint32_t kMaxLoopCount = 65533;
inline constexpr std::uint32_t kSingleKeyLoop = 0xFFFE;

// One event of a macro: kind in bits 31..24, value in bits 23..0.
using MacroEvent = std::uint32_t;

enum class MacroEventKind : std::uint8_t {
  kDelay = 0xA0,    // value: pause in milliseconds
  kKeyDown = 0xC0,  // value: virtual-key code; 1, 2 and 4 are the mouse's buttons
  kKeyUp = 0xE0,
};

constexpr std::uint8_t EventKind(MacroEvent event) {
  return static_cast<std::uint8_t>(event >> 24);
}

constexpr std::uint32_t EventValue(MacroEvent event) {
  return event & 0xFFFFFFu;
}

constexpr MacroEvent MakeEvent(MacroEventKind kind, std::uint32_t value) {
  return static_cast<std::uint32_t>(kind) << 24 | (value & 0xFFFFFFu);
}

// One stored macro; also one slot of `Macro.cfg`.
struct MacroRecord {
  // 4100 + 4 x the editor's item count before adjacent delays were merged;
  // at least sizeof(MacroRecord) in every record this program writes.
  std::uint32_t size;
  std::uint32_t magic;
  std::uint32_t identifier;  // 0 in an empty slot
  std::uint32_t reserved;
  std::uint32_t loopCount;
  std::uint32_t eventCount;
  MacroEvent events[kMacroEventCapacity];  // words past the event count are 0
  char16_t name[40];
};

static_assert(sizeof(MacroRecord) == 4104);
static_assert(offsetof(MacroRecord, magic) == 4);
static_assert(offsetof(MacroRecord, identifier) == 8);
static_assert(offsetof(MacroRecord, reserved) == 12);
static_assert(offsetof(MacroRecord, loopCount) == 16);
static_assert(offsetof(MacroRecord, eventCount) == 20);
static_assert(offsetof(MacroRecord, events) == 24);
static_assert(offsetof(MacroRecord, name) == 4024);

// The events a record holds: its event count, but never more than it has room
// for, whatever a damaged file says.
std::span<const MacroEvent> EventsOf(const MacroRecord& record);

bool HasMacroMagic(const MacroRecord& record);

// Whether a slot counts as holding a macro for every listing.
bool HoldsMacro(const MacroRecord& record);

// The game group of a macro (1..21 for macros this program creates).
constexpr int MacroGroup(std::uint32_t identifier) {
  return static_cast<int>(identifier >> 24);
}

// The identifier of a macro created now in `group`: the group in the top byte,
// the low 24 bits of the tick count below it. It never changes afterwards.
std::uint32_t NewMacroId(int group, const Clock& clock);

}  // namespace n63k
