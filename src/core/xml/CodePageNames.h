#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace n63k {

// The Windows code page that an encoding name stands for; matched without
// regard to the case of A to Z. Unknown names, and names of 100 characters or
// more, give none.
std::optional<std::uint32_t> CodePageOfName(std::string_view name);

}  // namespace n63k
