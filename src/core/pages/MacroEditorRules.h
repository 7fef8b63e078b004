#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/macro/MacroComposer.h"
#include "core/macro/MacroRecord.h"

namespace n63k {

// The macro page's limits: keys one recording accepts, the longest delay a
// merge of two delays gives, and the characters the rename box takes.
inline constexpr std::size_t kMostRecordedKeys = 999;
inline constexpr std::uint32_t kMostMergedDelayMs = 327670;
inline constexpr std::size_t kMostNameCharacters = 20;

// One item of the macro page's event list.
constexpr std::uint32_t MakeEditorItem(EditorItemType type, std::uint32_t value) {
  return static_cast<std::uint32_t>(type) << 24 | (value & 0xFFFFFFu);
}

// Merges every delay that directly follows a delay into it, walking from the
// top: one delay holding the sum, at most kMostMergedDelayMs.
void MergeAdjacentDelays(std::vector<std::uint32_t>& items);
// The same, with `selected` (an index into `items`, -1 for none) following
// its item, or the delay that item was merged into.
void MergeAdjacentDelays(std::vector<std::uint32_t>& items, int& selected);

// What the page stores after a change of its event list: the item count noted
// before the merge goes into the record's size; then ComposeMacroRecord.
std::optional<MacroRecord> ComposeEditedMacro(std::vector<std::uint32_t> items,
                                              std::string_view loopText, std::uint32_t identifier,
                                              std::string_view name);

// The name a new macro gets before the user renames it.
std::string_view NewMacroName(bool chineseUi);

}  // namespace n63k
