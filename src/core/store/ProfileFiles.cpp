#include "core/store/ProfileFiles.h"

#include <cstring>
#include <system_error>
#include <vector>

#include "core/base/Files.h"
#include "core/base/TextFormat.h"

namespace n63k {

namespace fs = std::filesystem;

namespace {

// Keeps a profile file that is about to be replaced by defaults, so that a
// damaged or foreign file can still be recovered by hand.
void KeepBackup(const fs::path& path, std::span<const std::uint8_t> replacement) {
  fs::path backup = path;
  backup += ".bak";
  std::error_code error;
  if (fs::exists(backup, error)) {
    return;
  }
  std::vector<std::uint8_t> old;
  if (ReadFileBytes(path, old, 1u << 20) != FileError::kNone) {
    return;
  }
  if (old.size() == replacement.size() &&
      std::memcmp(old.data(), replacement.data(), old.size()) == 0) {
    return;
  }
  WriteFileAtomic(backup, old);
}

}  // namespace

ProfileFiles::ProfileFiles(fs::path dataFolder, UserMessages& messages,
                           const Localisation& localisation)
    : dataFolder_(std::move(dataFolder)), messages_(messages), localisation_(localisation) {}

LoadResult ProfileFiles::LoadProfile(const fs::path& path, bool reportMissing) {
  std::vector<std::uint8_t> bytes;
  const FileError error = ReadFileBytes(path, bytes, sizeof(ProfileRecord));
  if (error == FileError::kNone) {
    std::memset(&current_, 0, sizeof current_);
    std::memcpy(&current_, bytes.data(), bytes.size());
    if (current_.magic != kProfileMagic) {
      messages_.StandardInfo(FormatText("%s is an invaild Profile!", path.string()));
      return LoadResult::kInvalid;
    }
    return LoadResult::kLoaded;
  }
  if (reportMissing && error == FileError::kNotFound) {
    messages_.InfoBox(
        FormatText("Failed to open file, check whether there is a %s path?", path.string()), false);
    WriteDefaultProfile(path);
  }
  return LoadResult::kNotOpened;
}

bool ProfileFiles::WriteDefaultProfile(const fs::path& path) {
  std::error_code ignored;
  fs::create_directory(dataFolder_ / "Profile", ignored);
  ProfileRecord defaults;
  BuildDefaultProfile(defaults, localisation_.chineseUi);
  KeepBackup(path, RecordBytes(defaults));
  const FileError error = WriteFileAtomic(path, RecordBytes(defaults));
  if (error == FileError::kNone) {
    current_ = defaults;
    return true;
  }
  if (error == FileError::kAccessDenied) {
    messages_.InfoBox(localisation_.texts.Get("str_msg4"), false);
  }
  return false;
}

void ProfileFiles::SaveProfile(const fs::path& path) {
  const FileError error = WriteFileAtomic(path, RecordBytes(current_));
  if (error == FileError::kNotFound) {
    messages_.StandardInfo(FormatText(localisation_.texts.Get("str_msg2"), path.string()));
  } else if (error == FileError::kAccessDenied) {
    messages_.StandardInfo(localisation_.texts.Get("str_msg5"));
  }
}

void ProfileFiles::RestoreDefaults(ButtonMacroIds& macroIds) {
  BuildDefaultProfile(current_, localisation_.chineseUi);
  macroIds.fill(0);
}

}  // namespace n63k
