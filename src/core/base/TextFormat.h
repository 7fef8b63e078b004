#pragma once

#include <string>
#include <string_view>

namespace n63k {

// Fills the first "%s" of a message with `argument`; "%%" gives "%". Any other
// conversion is left as it stands, so a translated text can never read
// arguments that are not there.
std::string FormatText(std::string_view format, std::string_view argument);

}  // namespace n63k
