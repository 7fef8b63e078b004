#include "core/base/FileAccess.h"

namespace n63k {
namespace {

class SystemFileAccess final : public FileAccess {
 public:
  FileError Read(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                 std::size_t maxBytes) override {
    return ReadFileBytes(path, out, maxBytes);
  }
  FileError Write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override {
    return WriteFileAtomic(path, bytes);
  }
};

}  // namespace

FileAccess& SystemFiles() {
  static SystemFileAccess files;
  return files;
}

Problem ProblemOf(FileError error) {
  switch (error) {
    case FileError::kNotFound:
      return Problem::kMissing;
    case FileError::kAccessDenied:
      return Problem::kAccessDenied;
    case FileError::kNotRegular:
      return Problem::kUnreadable;
    case FileError::kNone:
    case FileError::kNoSpace:
    case FileError::kIoError:
    case FileError::kOther:
      break;
  }
  return Problem::kFailed;
}

std::string FileErrorText(FileError error) {
  switch (error) {
    case FileError::kNone:
      return {};
    case FileError::kNotFound:
      return "no such file or folder";
    case FileError::kAccessDenied:
      return "permission denied";
    case FileError::kNoSpace:
      return "no space left on the disk";
    case FileError::kIoError:
      return "input/output error";
    case FileError::kNotRegular:
      return "not a regular file";
    case FileError::kOther:
      break;
  }
  return "the system refused the operation";
}

Notice FileNotice(FileTask task, const std::filesystem::path& path, FileError error) {
  return {task, ProblemOf(error), path, FileErrorText(error)};
}

}  // namespace n63k
