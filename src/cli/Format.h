#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/Hex.h"

namespace n63k::cli {

// A text on one line: a backslash, line feed, carriage return or tab written
// \\, \n, \r or \t.
std::string OneLine(std::string_view text);

// A text in double quotes, with a backslash or a quote inside written with a
// backslash before it and control characters as \n, \r, \t or \xNN.
std::string Quoted(std::string_view text);

}  // namespace n63k::cli
