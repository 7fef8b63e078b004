#pragma once

#include <string>

#include "core/device/PointerMapping.h"

namespace n63k {

// Writes the pointer values to the mice of an X display (an empty name means
// $DISPLAY): the acceleration profile and speed through the libinput
// properties of every mouse that has them, touchpads left alone, and the
// acceleration also through the core pointer control, which only devices of
// older drivers follow. Each write goes into `report`, and the reason for a
// value that neither these nor an earlier write of `report` reached.
void WriteXInputPointer(const std::string& displayName, const DesktopPointerValues& values,
                        PointerReport& report);

}  // namespace n63k
