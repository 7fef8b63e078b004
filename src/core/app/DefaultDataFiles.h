#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/base/FileAccess.h"

namespace n63k {

// One data file as the program folder ships it.
struct DefaultDataFile {
  std::string_view name;  // relative, one of kDataFiles
  std::vector<std::uint8_t> bytes;
};

// Every data file of the program folder, in the order of kDataFiles, from the
// program's own defaults: an empty macro table, the installation language,
// zero statistics, the default profile table and five default profiles with
// captions in Chinese or English.
std::vector<DefaultDataFile> DefaultDataFiles(bool chinese);

// Writes them into `folder` (and its "Profile" folder); the names of the
// files that could not be written.
std::vector<std::filesystem::path> WriteDefaultDataFiles(const std::filesystem::path& folder,
                                                         bool chinese, FileAccess& files);

}  // namespace n63k
