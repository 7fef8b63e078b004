#pragma once

#include <cstdint>

namespace n63k {

// Sets how many lines a wheel notch scrolls, on desktops that keep such a
// setting (KDE Plasma). Others, and "one screen" (-1), which no Linux desktop
// offers, are left alone; failures are ignored.
void SetDesktopScrollLines(std::int32_t lines);

}  // namespace n63k
