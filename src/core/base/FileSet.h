#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/FileAccess.h"

namespace n63k {

// One file of a set, by its path inside the set's folder.
struct FileInSet {
  std::string_view name;  // relative, "Profile/Profile1.cfg"
  std::vector<std::uint8_t> bytes;
};

// The file that kept a set from being written, and why.
struct FileSetFailure {
  std::filesystem::path path;
  FileError error;
};

// Writes every file of `set` into `folder`, or none of them: all are written
// to a staging folder inside `folder` first, and only when every one is
// there do they take their places, each by a rename (through a symbolic link
// to its target, keeping an existing file's mode). Nothing when all were
// written.
std::optional<FileSetFailure> WriteFileSet(const std::filesystem::path& folder,
                                           std::span<const FileInSet> set, FileAccess& files);

}  // namespace n63k
