#pragma once

#include <string>
#include <string_view>

#include "core/device/HidTransport.h"

namespace n63k {

// The count-down messages about the mouse coming and going.
std::string_view MouseFoundText(bool chineseUi);
std::string_view MouseNotFoundText(bool chineseUi);

// Why the mouse could not be opened: not there, or there but out of this
// user's reach, which a udev rule mends (`rule` names the program's rule file).
std::string MouseUnavailableText(OpenResult result, bool chineseUi, std::string_view rule);

}  // namespace n63k
