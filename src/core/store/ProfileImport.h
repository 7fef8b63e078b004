#pragma once

#include <filesystem>
#include <optional>

#include "core/store/ProfileRecord.h"

namespace n63k {

// A profile file to import: as much of a record as the file holds, the rest
// zero; none when it cannot be read or does not begin with the profile magic.
std::optional<ProfileRecord> ReadImportedProfile(const std::filesystem::path& path);

}  // namespace n63k
