#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/macro/MacroRecord.h"

namespace n63k {

inline constexpr std::size_t kMacroImageBytes = 512;
// The button's device word carries the word count in one byte, so an image
// uses at most 255 of its 256 two-byte words, the loop word included.
inline constexpr std::size_t kMacroImageWordLimit = 255;

// A macro as one device macro slot of the mouse stores it.
struct MacroImage {
  std::array<std::uint8_t, kMacroImageBytes> bytes;
  std::size_t wordCount;  // words used, the loop word included
};

// Bytes 0-1 hold the loop count, high byte first; then one word per key
// (0x01 or 0x81 for press or release, then the key's usage), whose low seven
// bits also collect the short delays after it in 10 ms units; longer delays
// take two words (0x00, unit, count high, count low) with units of 20, 50 or
// 100 ms. Encoding stops at the first event that no longer fits, so the image
// always holds a whole beginning of the macro.
MacroImage EncodeMacro(const MacroRecord& record);

}  // namespace n63k
