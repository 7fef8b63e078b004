#pragma once

#include <string>
#include <string_view>

#include "core/device/HidTransport.h"

namespace n63k {

// The count-down messages about the mouse coming and going.
std::string_view MouseFoundText(bool chineseUi);
std::string_view MouseNotFoundText(bool chineseUi);

// The program's udev rule, in the program folder, that gives the user at the
// seat access to the mouse.
inline constexpr char kUdevRuleFile[] = "70-korvu-n63k.rules";

// Why the mouse could not be opened: not there, or there but out of this
// user's reach, which the udev rule mends.
std::string MouseUnavailableText(OpenResult result, bool chineseUi);

}  // namespace n63k
