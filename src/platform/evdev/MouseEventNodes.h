#pragma once

#include <filesystem>
#include <vector>

#include "platform/evdev/EvdevKernel.h"

namespace n63k::platform {

// The mouse's event nodes that report buttons or motion, from the sysfs tree
// under sysRoot (normally /sys), with their device files under devRoot
// (normally /dev). Nodes of one mouse come together, in node order. Nodes
// that report only keys are left out: reading them would read a keyboard.
// Devices without a USB parent, such as our own uinput clones, never match.
std::vector<MouseEventNode> FindMouseEventNodes(const std::filesystem::path& sysRoot,
                                                const std::filesystem::path& devRoot);

}  // namespace n63k::platform
