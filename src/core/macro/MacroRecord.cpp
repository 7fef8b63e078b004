#include "core/macro/MacroRecord.h"

#include <algorithm>

namespace n63k {

std::span<const MacroEvent> EventsOf(const MacroRecord& record) {
  return {record.events, std::min<std::size_t>(record.eventCount, kMacroEventCapacity)};
}

bool HasMacroMagic(const MacroRecord& record) {
  return record.magic >> 16 == kMacroMagicMark;
}

bool HoldsMacro(const MacroRecord& record) {
  return record.size >= sizeof(MacroRecord) || HasMacroMagic(record);
}

std::uint32_t NewMacroId(int group, const Clock& clock) {
  return (static_cast<std::uint32_t>(group) & 0xFFu) << 24 |
         static_cast<std::uint32_t>(clock.NowMs() & 0xFFFFFFu);
}

}  // namespace n63k
