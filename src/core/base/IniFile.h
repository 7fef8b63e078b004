#pragma once

#include <filesystem>
#include <string_view>

#include "core/base/Files.h"

namespace n63k {

// The two calls of the Windows profile API that the program makes, on UTF-8
// INI files (a leading byte-order mark is allowed). Section and key names
// compare without regard to ASCII case, names and values without their
// surrounding spaces and tabs; only the first section of a name and, in it,
// the first key of a name count.

// The integer value of `key` in `section`, or `defaultValue` when the file,
// the section or the key is missing or the value is empty. Like
// GetPrivateProfileIntW, the number is read from the start of the value (after
// blanks and one pair of enclosing quotes): an optional sign and the decimal
// digits that follow, so "12ab" reads 12 and "ab" reads 0. Values beyond the
// range of int are clamped.
int GetProfileInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  int defaultValue);

// Like WritePrivateProfileStringW: gives `key` in `section` the value `value`.
// The first such key gets the new value; a missing key is added at the end of
// its section, a missing section at the end of the file, and a missing file is
// created. Every other line stays as it was. The file is written whole or not
// at all, and not at all when its text would not change.
[[nodiscard]] FileError WriteProfileString(const std::filesystem::path& file,
                                           std::string_view section, std::string_view key,
                                           std::string_view value);

}  // namespace n63k
