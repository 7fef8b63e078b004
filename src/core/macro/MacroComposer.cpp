#include "core/macro/MacroComposer.h"

#include <algorithm>
#include <limits>

#include "core/base/Utf.h"

namespace n63k {
namespace {

constexpr std::uint32_t kRecordBaseSize = 4100;
constexpr std::uint32_t kSizePerItem = 4;

std::optional<MacroEventKind> KindOf(std::uint8_t type) {
  switch (static_cast<EditorItemType>(type)) {
    case EditorItemType::kKeyUp:
      return MacroEventKind::kKeyUp;
    case EditorItemType::kKeyDown:
      return MacroEventKind::kKeyDown;
    case EditorItemType::kDelay:
      return MacroEventKind::kDelay;
  }
  return std::nullopt;
}

std::uint32_t RecordSize(std::size_t itemCount) {
  constexpr std::size_t kMostItems =
      (std::numeric_limits<std::uint32_t>::max() - kRecordBaseSize) / kSizePerItem;
  return kRecordBaseSize +
         kSizePerItem * static_cast<std::uint32_t>(std::min(itemCount, kMostItems));
}

}  // namespace

std::uint32_t ParseLoopCount(std::string_view loopText) {
  if (loopText.empty()) {
    return 1;
  }
  std::uint32_t count = 0;
  for (const char c : loopText) {
    if (c < '0' || c > '9') {
      return 1;
    }
    count = std::min(count * 10 + static_cast<std::uint32_t>(c - '0'), kMaxLoopCount + 1);
  }
  return count == 0 ? 1 : std::min(count, kMaxLoopCount);
}

std::optional<MacroRecord> ComposeMacroRecord(std::size_t itemCountBeforeMerge,
                                              std::span<const std::uint32_t> items,
                                              std::string_view loopText, std::uint32_t identifier,
                                              std::string_view name) {
  if (itemCountBeforeMerge == 0) {
    return std::nullopt;
  }
  MacroRecord record{};
  record.size = RecordSize(itemCountBeforeMerge);
  record.magic = kMacroMagic;
  record.identifier = identifier;
  bool keySeen = false;
  for (const std::uint32_t item : items) {
    if (record.eventCount == kMacroEventCapacity) {
      break;
    }
    const std::optional<MacroEventKind> kind = KindOf(static_cast<std::uint8_t>(item >> 24));
    if (!kind) {
      continue;
    }
    if (*kind == MacroEventKind::kDelay && !keySeen) {
      continue;
    }
    keySeen = true;
    record.events[record.eventCount++] = MakeEvent(*kind, item);
  }
  if (record.eventCount == 0) {
    return std::nullopt;
  }
  const bool singlePress =
      record.eventCount == 1 &&
      EventKind(record.events[0]) == static_cast<std::uint8_t>(MacroEventKind::kKeyDown);
  record.loopCount = singlePress ? kSingleKeyLoop : ParseLoopCount(loopText);
  SetFixedText(record.name, name);
  return record;
}

}  // namespace n63k
