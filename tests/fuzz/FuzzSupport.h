#pragma once

// What the fuzz targets share: the check that stops a run, the files they
// read and write, and a mouse to send to.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/base/FileAccess.h"
#include "core/base/UserMessages.h"
#include "core/device/PointerSettings.h"

namespace n63k::fuzz {

using Bytes = std::vector<std::uint8_t>;

// A broken invariant: libFuzzer keeps the input that led here.
inline void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

inline Bytes ToBytes(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? Bytes{} : Bytes(data, data + size);
}

inline std::optional<Bytes> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    return std::nullopt;
  }
  Bytes bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Check(in.good() || bytes.empty());
  return bytes;
}

inline void PutFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  Check(out.good());
}

// A folder of the target's own below the temporary folder, emptied for each
// input, for the readers that go through files and keep backups beside them.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("n63k-fuzz-" + name + "-" + std::to_string(::getpid()))) {}
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Empty() {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    return path_;
  }

 private:
  std::filesystem::path path_;
};

// Every regular file below `folder` with its bytes.
inline std::map<std::filesystem::path, Bytes> FolderFiles(const std::filesystem::path& folder) {
  std::map<std::filesystem::path, Bytes> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[entry.path()] = FileBytes(entry.path()).value();
    }
  }
  return files;
}

// Whether some file below `folder` holds exactly `bytes`: nothing that was
// read is lost, whether it stayed or went to a backup.
inline bool KeptSomewhere(const std::filesystem::path& folder, const Bytes& bytes) {
  for (const auto& [path, held] : FolderFiles(folder)) {
    if (held == bytes) {
      return true;
    }
  }
  return false;
}

// Data files held in memory, for the readers that take a FileAccess.
class MemoryFiles final : public FileAccess {
 public:
  FileError Read(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                 std::size_t maxBytes) override {
    const auto file = files.find(path);
    if (file == files.end()) {
      out.clear();
      return FileError::kNotFound;
    }
    out.assign(file->second.begin(), file->second.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                maxBytes, file->second.size())));
    return FileError::kNone;
  }
  FileError Write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override {
    files[path].assign(bytes.begin(), bytes.end());
    return FileError::kNone;
  }

  std::map<std::filesystem::path, Bytes> files;
};

// Messages nobody reads.
class SilentMessages final : public UserMessages {
 public:
  InfoAnswer InfoBox(const std::string&, bool) override { return InfoAnswer::kOk; }
  void StandardInfo(const std::string&) override {}
  void CountDown(const std::string&) override {}
};

class IgnoredPointer final : public PointerSettings {
 public:
  void Apply(const PointerValues&) override {}
};

}  // namespace n63k::fuzz
