#include "core/store/ProfileImport.h"

#include <cstring>
#include <vector>

#include "core/store/ProfileValidation.h"

namespace n63k {

ImportedProfile ReadImportedProfile(const std::filesystem::path& path, FileAccess& files) {
  std::vector<std::uint8_t> bytes;
  const FileError error = files.Read(path, bytes, sizeof(ProfileRecord) + 1);
  if (error != FileError::kNone) {
    return {std::nullopt, Outcome::Failure(FileNotice(FileTask::kImportProfile, path, error))};
  }
  const ProfileCheck check = ValidateProfile(bytes, FileSizeAtLeast(path, bytes.size()));
  if (!check.valid()) {
    return {std::nullopt, Outcome::Failure({FileTask::kImportProfile, Problem::kDamaged, path,
                                            check.description})};
  }
  ProfileRecord record;
  std::memcpy(&record, bytes.data(), sizeof record);
  return {record, {}};
}

}  // namespace n63k
