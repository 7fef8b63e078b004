#include "core/pages/MacroEditorRules.h"

#include <algorithm>
#include <utility>

namespace n63k {
namespace {

bool IsDelay(std::uint32_t item) {
  return static_cast<EditorItemType>(item >> 24) == EditorItemType::kDelay;
}

}  // namespace

void MergeAdjacentDelays(std::vector<std::uint32_t>& items) {
  int none = -1;
  MergeAdjacentDelays(items, none);
}

void MergeAdjacentDelays(std::vector<std::uint32_t>& items, int& selected) {
  std::vector<std::uint32_t> merged;
  merged.reserve(items.size());
  int followed = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::uint32_t item = items[i];
    if (IsDelay(item) && !merged.empty() && IsDelay(merged.back())) {
      const std::uint32_t sum = EventValue(merged.back()) + EventValue(item);
      merged.back() = MakeEditorItem(EditorItemType::kDelay, std::min(sum, kMostMergedDelayMs));
    } else {
      merged.push_back(item);
    }
    if (std::cmp_equal(i, selected)) {
      followed = static_cast<int>(merged.size()) - 1;
    }
  }
  items = std::move(merged);
  selected = followed;
}

std::optional<MacroRecord> ComposeEditedMacro(std::vector<std::uint32_t> items,
                                              std::string_view loopText, std::uint32_t identifier,
                                              std::string_view name) {
  const std::size_t countBeforeMerge = items.size();
  MergeAdjacentDelays(items);
  return ComposeMacroRecord(countBeforeMerge, items, loopText, identifier, name);
}

std::string_view NewMacroName(bool chineseUi) {
  return chineseUi ? "新建宏" : "New Macro";
}

}  // namespace n63k
