#pragma once

#include <memory>

#include "core/device/PointerSettings.h"

namespace n63k {

// The pointer settings of the desktop this session runs, chosen once from the
// session's environment and, where that names no known desktop, from the
// desktop services on the session bus.
std::unique_ptr<PointerSettings> MakeDesktopPointerSettings();

}  // namespace n63k
