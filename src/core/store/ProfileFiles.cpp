#include "core/store/ProfileFiles.h"

#include <cstring>
#include <system_error>
#include <vector>

#include "core/base/Backups.h"
#include "core/store/ProfileValidation.h"

namespace n63k {

namespace fs = std::filesystem;

ProfileFiles::ProfileFiles(fs::path dataFolder, const Localisation& localisation, FileAccess& files)
    : dataFolder_(std::move(dataFolder)), localisation_(localisation), files_(files) {}

ProfileLoad ProfileFiles::ReadProfile(const fs::path& path, ProfileRecord& into,
                                      bool reportMissing) {
  std::vector<std::uint8_t> bytes;
  // One byte more than a record, so that a long file is seen as damaged.
  const FileError error = files_.Read(path, bytes, sizeof(ProfileRecord) + 1);
  if (error == FileError::kNone) {
    const ProfileCheck check = ValidateProfile(bytes, FileSizeAtLeast(path, bytes.size()));
    if (!check.valid()) {
      return {LoadResult::kInvalid,
              Outcome().Note({FileTask::kLoadProfile, Problem::kDamaged, path, check.description})};
    }
    std::memcpy(&into, bytes.data(), sizeof into);
    return {LoadResult::kLoaded, {}};
  }
  Outcome outcome;
  if (error != FileError::kNotFound) {
    outcome.Note(FileNotice(FileTask::kLoadProfile, path, error));
  } else if (reportMissing) {
    outcome.Note(FileNotice(FileTask::kLoadProfile, path, error));
    outcome.Add(WriteDefaultProfile(path, into));
  }
  return {LoadResult::kNotOpened, std::move(outcome)};
}

Outcome ProfileFiles::WriteDefaultProfile(const fs::path& path, ProfileRecord& into) {
  std::error_code ignored;
  fs::create_directory(dataFolder_ / "Profile", ignored);
  ProfileRecord defaults;
  BuildDefaultProfile(defaults, localisation_.chineseUi);
  // Without its backup a damaged file would be lost for good: then it stays.
  const BackupResult backup = KeepBackup(path, RecordBytes(defaults), files_);
  if (!MayReplace(backup)) {
    return Outcome::Failure(NoBackupNotice(FileTask::kWriteDefaultProfile, path, backup, {}));
  }
  const FileError error = files_.Write(path, RecordBytes(defaults));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kWriteDefaultProfile, path, error));
  }
  into = defaults;
  return {};
}

Outcome ProfileFiles::SaveProfile(const fs::path& path) {
  const FileError error = files_.Write(path, RecordBytes(current_));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveProfile, path, error));
  }
  return {};
}

void ProfileFiles::RestoreDefaults(ButtonMacroIds& macroIds) {
  BuildDefaultProfile(current_, localisation_.chineseUi);
  macroIds.fill(0);
}

}  // namespace n63k
