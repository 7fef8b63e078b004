#pragma once

#include <array>
#include <cstdint>

#include "core/buttons/ButtonSlots.h"

namespace n63k {

// The macro each button of the current profile plays (0 = none); the worker
// reads it while it writes the mouse.
using ButtonMacroIds = std::array<std::uint32_t, kButtonCount>;

}  // namespace n63k
