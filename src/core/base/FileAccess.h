#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/base/Files.h"
#include "core/base/Outcome.h"

namespace n63k {

// The data files as the stores reach them: the system's files, or in tests a
// layer that injects faults (disk full, I/O errors) into chosen operations.
class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // As ReadFileBytes.
  [[nodiscard]] virtual FileError Read(const std::filesystem::path& path,
                                       std::vector<std::uint8_t>& out, std::size_t maxBytes) = 0;
  // As WriteFileAtomic: the whole file or nothing.
  [[nodiscard]] virtual FileError Write(const std::filesystem::path& path,
                                        std::span<const std::uint8_t> bytes) = 0;
};

// The system's files.
FileAccess& SystemFiles();

// How a file error is told: the kind of problem and the reason in plain words.
Problem ProblemOf(FileError error);
std::string FileErrorText(FileError error);

// A notice for a failed file operation.
Notice FileNotice(FileTask task, const std::filesystem::path& path, FileError error);

}  // namespace n63k
