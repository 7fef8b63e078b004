#include "core/macro/MacroTable.h"

#include <algorithm>
#include <cstring>

#include "core/base/Utf.h"

namespace n63k {

MacroTable::MacroTable() : slots_(std::make_unique<MacroSlots>()) {}

MacroRecord* MacroTable::FirstSlotWith(std::uint32_t identifier) const {
  const auto slot =
      std::find_if(slots_->begin(), slots_->end(),
                   [identifier](const MacroRecord& r) { return r.identifier == identifier; });
  return slot == slots_->end() ? nullptr : &*slot;
}

std::span<const std::uint8_t> MacroTable::Bytes() const {
  return {reinterpret_cast<const std::uint8_t*>(slots_->data()), sizeof(MacroSlots)};
}

void MacroTable::Fill(std::span<const std::uint8_t> bytes) {
  std::memset(slots_->data(), 0, sizeof(MacroSlots));
  if (!bytes.empty()) {
    std::memcpy(slots_->data(), bytes.data(), std::min(bytes.size(), sizeof(MacroSlots)));
  }
}

bool MacroTable::PutMacro(const MacroRecord& record) {
  if (record.size < sizeof(MacroRecord) || !HasMacroMagic(record)) {
    return false;
  }
  MacroRecord* slot = FirstSlotWith(record.identifier);
  if (slot == nullptr) {
    const auto free = std::find_if(slots_->begin(), slots_->end(),
                                   [](const MacroRecord& r) { return r.magic == 0; });
    if (free == slots_->end()) {
      return false;
    }
    slot = &*free;
  }
  const std::span<const MacroEvent> events = EventsOf(record);
  *slot = record;
  slot->eventCount = static_cast<std::uint32_t>(events.size());
  std::fill(std::begin(slot->events) + events.size(), std::end(slot->events), 0u);
  return true;
}

void MacroTable::ClearMacro(std::uint32_t identifier) {
  if (MacroRecord* slot = FirstSlotWith(identifier)) {
    std::memset(slot, 0, sizeof(MacroRecord));
  }
}

const MacroRecord* MacroTable::FindMacro(std::uint32_t identifier) const {
  return FirstSlotWith(identifier);
}

const MacroRecord* MacroTable::FindMacroToSend(std::uint32_t identifier) const {
  const MacroRecord* record = FindMacro(identifier);
  return record != nullptr && record->size != 0 ? record : nullptr;
}

std::vector<MacroListItem> MacroTable::ListMacrosOfGroup(int group) const {
  std::vector<MacroListItem> items;
  for (const MacroRecord& record : *slots_) {
    if (HoldsMacro(record) && MacroGroup(record.identifier) == group) {
      items.push_back({record.identifier, FixedText(record.name)});
    }
  }
  return items;
}

std::uint32_t MacroTable::NewUnusedMacroId(int group, const Clock& clock) const {
  std::uint32_t identifier = NewMacroId(group, clock);
  // 500 slots cannot hold all 2^24 ticks of a group, so this ends.
  while (FirstSlotWith(identifier) != nullptr) {
    identifier = (identifier & 0xFF000000u) | ((identifier + 1) & 0xFFFFFFu);
  }
  return identifier;
}

}  // namespace n63k
