#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/macro/MacroRecord.h"

namespace n63k {

// The macro editor keeps each event as one item: type in bits 31..24, value
// in bits 23..0.
enum class EditorItemType : std::uint8_t {
  kKeyUp = 2,
  kKeyDown = 3,
  kDelay = 4,
};

// The loop count the loop field's text asks for: 1 when the text is empty,
// not entirely decimal digits or 0; at most kMaxLoopCount.
std::uint32_t ParseLoopCount(std::string_view loopText);

// Builds a record from the editor's items as they stand after adjacent delays
// were merged; `itemCountBeforeMerge` goes into the record's size. Delays
// before the first key are dropped; a record holds at most its first 1000
// events. A macro of one key press gets the single-key loop value, any other
// the loop text's count. None when no event is left: an empty macro is never
// stored.
std::optional<MacroRecord> ComposeMacroRecord(std::size_t itemCountBeforeMerge,
                                              std::span<const std::uint32_t> items,
                                              std::string_view loopText, std::uint32_t identifier,
                                              std::string_view name);

}  // namespace n63k
