#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace n63k {

// Why a file operation failed, in the terms the messages distinguish.
enum class FileError {
  kNone,
  kNotFound,      // the file or a folder of its path is missing
  kAccessDenied,  // permission refused
  kNoSpace,       // the disk or the user's quota is full
  kIoError,       // the device failed
  kNotRegular,    // a folder, FIFO, device or socket where a data file belongs; unreadable
  kOther,
};

// The FileError of a system error number.
FileError FileErrorOf(int error);

// Reads at most `maxBytes` bytes of a regular file (or a link to one) into
// `out`, resized to what was read; after a successful read `out.data()` is
// never null, even for an empty file. Anything else is refused at once with
// kNotRegular, without waiting for a writer or a device.
[[nodiscard]] FileError ReadFileBytes(const std::filesystem::path& path,
                                      std::vector<std::uint8_t>& out, std::size_t maxBytes);

// The same, and `longer` tells whether the file holds more than `maxBytes`.
[[nodiscard]] FileError ReadFileBytes(const std::filesystem::path& path,
                                      std::vector<std::uint8_t>& out, std::size_t maxBytes,
                                      bool& longer);

// The size of the file at `path` (through links), for telling how long a file
// is that was read only in part; `read`, what the read gave, when the file
// cannot be examined or has shrunk since.
std::uint64_t FileSizeAtLeast(const std::filesystem::path& path, std::uint64_t read);

// The path a write of `path` replaces: the end of a chain of symbolic links,
// or the path itself. A dangling link ends at the missing target.
[[nodiscard]] FileError FinalTarget(const std::filesystem::path& path,
                                    std::filesystem::path& target);

// Writes a whole file or nothing: the bytes go to a temporary file
// "NAME.XXXXXX" beside the target, are flushed to disk, and then replace the
// target by a rename. A symbolic link is written through to its final target
// (created when the link dangles) and stays a link; an existing target keeps
// its mode, a new one gets 0644. A target that exists but may not be written
// is reported as access denied, one that is not a regular file as kNotRegular.
[[nodiscard]] FileError WriteFileAtomic(const std::filesystem::path& path,
                                        std::span<const std::uint8_t> bytes);

// Removes the temporary files "NAME.XXXXXX" that a write of one of `names`
// left in `folder` when it was cut short; nothing else. Run it while no write
// can be under way (under the folder lock). Answers how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                              std::span<const std::string> names);

}  // namespace n63k
