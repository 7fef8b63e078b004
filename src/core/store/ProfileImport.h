#pragma once

#include <filesystem>
#include <optional>

#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// A profile file to import, and what reading it told.
struct [[nodiscard]] ImportedProfile {
  std::optional<ProfileRecord> record;
  Outcome outcome;
};

// Reads a profile file to import: the record when the file is a whole, valid
// profile; otherwise none, and the outcome says why (an invalid profile, or
// why the file could not be read).
ImportedProfile ReadImportedProfile(const std::filesystem::path& path, FileAccess& files);

}  // namespace n63k
