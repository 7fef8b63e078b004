#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/Utf.h"
#include "core/macro/MacroTable.h"

namespace n63k::test {

// A macro record as this program stores it; by default one press of A.
inline MacroRecord StoredMacro(std::uint32_t identifier, std::string_view name = "m",
                               const std::vector<MacroEvent>& events = {0xC0000041},
                               std::uint32_t loopCount = 1) {
  MacroRecord record{};
  record.size = sizeof record;
  record.magic = kMacroMagic;
  record.identifier = identifier;
  record.loopCount = loopCount;
  record.eventCount = static_cast<std::uint32_t>(events.size());
  std::copy(events.begin(), events.end(), record.events);
  SetFixedText(record.name, name);
  return record;
}

// The table as `Macro.cfg` holds it.
inline std::vector<std::uint8_t> TableBytes(const MacroTable& table) {
  return {table.Bytes().begin(), table.Bytes().end()};
}

}  // namespace n63k::test
