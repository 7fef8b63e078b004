#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/Utf.h"
#include "core/macro/MacroTable.h"
#include "core/pages/MacroEditorRules.h"

namespace n63k::test {

// Stored events of each kind.
constexpr MacroEvent DownEvent(std::uint32_t key) {
  return MakeEvent(MacroEventKind::kKeyDown, key);
}
constexpr MacroEvent UpEvent(std::uint32_t key) {
  return MakeEvent(MacroEventKind::kKeyUp, key);
}
constexpr MacroEvent DelayEvent(std::uint32_t ms) {
  return MakeEvent(MacroEventKind::kDelay, ms);
}

// The macro page's event list items of each kind.
constexpr std::uint32_t DownItem(std::uint32_t key) {
  return MakeEditorItem(EditorItemType::kKeyDown, key);
}
constexpr std::uint32_t UpItem(std::uint32_t key) {
  return MakeEditorItem(EditorItemType::kKeyUp, key);
}
constexpr std::uint32_t DelayItem(std::uint32_t ms) {
  return MakeEditorItem(EditorItemType::kDelay, ms);
}

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
