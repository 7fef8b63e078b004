#include "core/base/FileSet.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace n63k {
namespace {

namespace fs = std::filesystem;

// Where a staged file goes, and the mode it takes there.
struct Placement {
  fs::path target;
  bool keepMode = false;
  mode_t mode = 0;
};

std::optional<FileSetFailure> Place(const fs::path& path, Placement& placement) {
  if (const FileError error = FinalTarget(path, placement.target); error != FileError::kNone) {
    return FileSetFailure{path, error};
  }
  struct stat info {};
  if (::stat(placement.target.c_str(), &info) != 0) {
    return errno == ENOENT ? std::nullopt
                           : std::optional<FileSetFailure>({path, FileErrorOf(errno)});
  }
  if (!S_ISREG(info.st_mode)) {
    return FileSetFailure{path, FileError::kNotRegular};
  }
  placement.keepMode = true;
  placement.mode = info.st_mode & 07777;
  return std::nullopt;
}

}  // namespace

std::optional<FileSetFailure> WriteFileSet(const fs::path& folder, std::span<const FileInSet> set,
                                           FileAccess& files) {
  std::error_code ignored;
  std::string pattern = (folder / ".n63k-set-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    return FileSetFailure{folder, FileErrorOf(errno)};
  }
  const fs::path staging = pattern;

  std::optional<FileSetFailure> failure;
  std::vector<Placement> placements(set.size());
  for (std::size_t i = 0; i < set.size() && !failure; ++i) {
    const fs::path staged = staging / set[i].name;
    fs::create_directories(staged.parent_path(), ignored);
    if (const FileError error = files.Write(staged, set[i].bytes); error != FileError::kNone) {
      failure = FileSetFailure{folder / set[i].name, error};
    }
  }
  // Every place is looked at before the first file takes its own, so that a
  // folder where a file belongs stops the set, not half of it.
  for (std::size_t i = 0; i < set.size() && !failure; ++i) {
    const fs::path path = folder / set[i].name;
    fs::create_directories(path.parent_path(), ignored);
    failure = Place(path, placements[i]);
  }
  for (std::size_t i = 0; i < set.size() && !failure; ++i) {
    const fs::path staged = staging / set[i].name;
    if (placements[i].keepMode) {
      ::chmod(staged.c_str(), placements[i].mode);
    }
    if (std::rename(staged.c_str(), placements[i].target.c_str()) != 0) {
      failure = FileSetFailure{folder / set[i].name, FileErrorOf(errno)};
    }
  }
  fs::remove_all(staging, ignored);
  return failure;
}

}  // namespace n63k
