#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/macro/MacroRecord.h"

namespace n63k {

inline constexpr std::size_t kMacroSlotCount = 500;

using MacroSlots = std::array<MacroRecord, kMacroSlotCount>;
static_assert(sizeof(MacroSlots) == 2052000);

// A macro as the lists show it.
struct MacroListItem {
  std::uint32_t identifier;
  std::string name;
};

// The 500 macro slots, in storage order; also the exact content of
// `Macro.cfg`. One table serves the whole program. Only the user-interface
// thread changes it; the worker reads it while a write to the mouse keeps the
// user from editing.
class MacroTable {
 public:
  // An empty table: every slot zero.
  MacroTable();

  std::span<const MacroRecord> Slots() const { return *slots_; }
  std::span<const std::uint8_t> Bytes() const;

  // Replaces the whole table by the bytes of a file: what a short file leaves
  // out is zero, what a long one has beyond the table is ignored.
  void Fill(std::span<const std::uint8_t> bytes);

  // Puts a record into the slot that holds its identifier, else into the first
  // free slot. Refuses a record whose size is too small or whose magic is
  // wrong, and any record when no slot is left.
  bool PutMacro(const MacroRecord& record);

  // Zeroes the first slot with the identifier, if any.
  void ClearMacro(std::uint32_t identifier);

  // The first slot with the identifier, whatever state it is in.
  const MacroRecord* FindMacro(std::uint32_t identifier) const;

  // The record the worker sends for a button: the first slot with the
  // identifier, unless that slot is empty (size 0).
  const MacroRecord* FindMacroToSend(std::uint32_t identifier) const;

  // NewMacroId, moved on by one tick while a slot already has it: storing a
  // new macro must never replace one that happens to share its tick.
  std::uint32_t NewUnusedMacroId(int group, const Clock& clock) const;

  // Every slot that holds a macro of the group, in slot order.
  std::vector<MacroListItem> ListMacrosOfGroup(int group) const;

 private:
  MacroRecord* FirstSlotWith(std::uint32_t identifier) const;

  std::unique_ptr<MacroSlots> slots_;
};

}  // namespace n63k
