#pragma once

#include <filesystem>
#include <string>

#include "core/base/FileAccess.h"

namespace n63k::test {

// The system's files, except that reads or writes of files whose name is
// `name` fail with `error` without touching the disk.
class FaultyFiles final : public FileAccess {
 public:
  enum class Fault { kNone, kRead, kWrite };

  void Inject(Fault fault, std::string name, FileError error) {
    fault_ = fault;
    name_ = std::move(name);
    error_ = error;
  }

  FileError Read(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                 std::size_t maxBytes) override {
    if (fault_ == Fault::kRead && path.filename() == name_) {
      out.clear();
      return error_;
    }
    return SystemFiles().Read(path, out, maxBytes);
  }
  FileError Write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override {
    if (fault_ == Fault::kWrite && path.filename() == name_) {
      return error_;
    }
    return SystemFiles().Write(path, bytes);
  }

 private:
  Fault fault_ = Fault::kNone;
  std::string name_;
  FileError error_ = FileError::kNone;
};

}  // namespace n63k::test
