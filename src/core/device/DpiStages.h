#pragma once

#include <cstdint>
#include <span>

#include "core/device/ProtocolValues.h"

namespace n63k {

struct DpiTable {
  DpiBlock block;
  std::uint8_t stageCount;  // the values that have a code
};

// The block of the first seven DPI levels of a profile, each through its
// stage code (DpiStageCode).
DpiTable BuildDpiTable(std::span<const std::int32_t> levels);

}  // namespace n63k
