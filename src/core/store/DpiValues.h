#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace n63k {

// At most this many DPI stages reach the mouse: entries 0-6 of a profile's
// DPI levels.
inline constexpr std::size_t kDpiStageCount = 7;

// The values of the button page's DPI boxes in box order, the only ones it
// can store; the mouse has a stage code for each.
inline constexpr std::array<std::int32_t, 14> kDpiValues = {
    500, 750, 1000, 1250, 1500, 2000, 2500, 3000, 3250, 3500, 4000, 5000, 6000, 7000,
};

// What a DPI level without a stage of its own is sent as.
inline constexpr std::uint8_t kNoStageCode = 0x80;

// The code the mouse knows a DPI level by; kNoStageCode for a value it has no
// stage for, 0 included.
std::uint8_t DpiStageCode(std::int32_t dpi);

}  // namespace n63k
