#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace n63k {

// Why a file operation failed, in the terms the messages distinguish.
enum class FileError {
  kNone,
  kNotFound,      // the file or a folder of its path is missing
  kAccessDenied,  // permission refused
  kNoSpace,       // the disk or the user's quota is full
  kIoError,       // the device failed
  kOther,
};

// Reads at most `maxBytes` bytes of a file into `out` (resized to what was read).
FileError ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                        std::size_t maxBytes);

// Writes a whole file or nothing: the bytes go to a temporary file beside the
// target, are flushed to disk, and then replace the target by a rename. A
// target that exists but may not be written is reported as access denied.
FileError WriteFileAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace n63k
