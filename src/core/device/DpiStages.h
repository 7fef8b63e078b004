#pragma once

#include <cstdint>
#include <span>

#include "core/device/ProtocolValues.h"

namespace n63k {

// The code a DPI value goes to the mouse as; 0x80 (no stage) for a value the
// mouse does not offer, 0 included.
std::uint8_t DpiStageCode(std::int32_t dpi);

struct DpiTable {
  DpiBlock block;
  std::uint8_t stageCount;  // the values that have a code
};

// The block of the first seven DPI levels of a profile.
DpiTable BuildDpiTable(std::span<const std::int32_t> levels);

}  // namespace n63k
