#include "core/store/ProfileFiles.h"

#include <cstring>
#include <system_error>
#include <vector>

namespace n63k {

namespace fs = std::filesystem;

namespace {

// Keeps a profile file that is about to be replaced by defaults, so that a
// damaged or foreign file can still be recovered by hand.
void KeepBackup(FileAccess& files, const fs::path& path,
                std::span<const std::uint8_t> replacement) {
  fs::path backup = path;
  backup += ".bak";
  std::error_code error;
  if (fs::exists(backup, error)) {
    return;
  }
  std::vector<std::uint8_t> old;
  if (files.Read(path, old, 1u << 20) != FileError::kNone) {
    return;
  }
  if (old.size() == replacement.size() &&
      std::memcmp(old.data(), replacement.data(), old.size()) == 0) {
    return;
  }
  // A backup that cannot be written must not stop the repair.
  static_cast<void>(files.Write(backup, old));
}

}  // namespace

ProfileFiles::ProfileFiles(fs::path dataFolder, const Localisation& localisation,
                           FileAccess& files)
    : dataFolder_(std::move(dataFolder)), localisation_(localisation), files_(files) {}

ProfileLoad ProfileFiles::ReadProfile(const fs::path& path, ProfileRecord& into,
                                      bool reportMissing) {
  std::vector<std::uint8_t> bytes;
  const FileError error = files_.Read(path, bytes, sizeof(ProfileRecord));
  if (error == FileError::kNone) {
    ProfileRecord record{};
    std::memcpy(&record, bytes.data(), bytes.size());
    if (record.magic != kProfileMagic) {
      return {LoadResult::kInvalid,
              Outcome().Note({FileTask::kLoadProfile, Problem::kDamaged, path, "wrong magic"})};
    }
    into = record;
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
  KeepBackup(files_, path, RecordBytes(defaults));
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
