#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/FileSet.h"

namespace n63k {

// Every data file of the program folder, in the order of kDataFiles, from the
// program's own defaults: an empty macro table, the installation language,
// zero statistics, the default profile table and five default profiles with
// captions in Chinese or English.
// Each name is one of kDataFiles.
std::vector<FileInSet> DefaultDataFiles(bool chinese);

// Writes them into `folder` (and its "Profile" folder), all or none
// (WriteFileSet); nothing when all were written.
std::optional<FileSetFailure> WriteDefaultDataFiles(const std::filesystem::path& folder,
                                                    bool chinese, FileAccess& files);

}  // namespace n63k
