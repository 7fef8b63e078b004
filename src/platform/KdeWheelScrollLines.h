#pragma once

#include <cstdint>

#include "core/device/PointerReport.h"
#include "platform/SessionBus.h"

namespace n63k {

// Sets the lines per wheel notch of KDE applications (kdeglobals, group KDE,
// WheelScrollLines) and tells the running ones: the configuration writer's
// notice for newer programs, KGlobalSettings' "settings changed, mouse" on
// `bus` for the Plasma 5 integration of Qt applications.
void WriteKdeWheelScrollLines(std::int32_t lines, SessionBus& bus, PointerReport& report);

}  // namespace n63k
