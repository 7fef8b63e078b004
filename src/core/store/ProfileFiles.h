#pragma once

#include <filesystem>

#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/i18n/TextTable.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

enum class LoadResult {
  kNotOpened = 0,
  kLoaded = 1,
  kInvalid = 255,  // read, but not a whole, valid profile
};

struct [[nodiscard]] ProfileLoad {
  LoadResult result;
  Outcome outcome;
};

// The current profile record and the files it is read from and written to.
class ProfileFiles {
 public:
  ProfileFiles(std::filesystem::path dataFolder, const Localisation& localisation,
               FileAccess& files);

  ProfileRecord& Current() { return current_; }
  // Whether default captions are built in Chinese.
  bool chineseUi() const { return localisation_.chineseUi; }
  const ProfileRecord& Current() const { return current_; }

  // Reads a profile file into `into`, which changes only when the file holds a
  // whole, valid profile (ValidateProfile). With `reportMissing`, a missing file is told and
  // replaced on disk by a default profile (and `into` becomes the defaults).
  ProfileLoad ReadProfile(const std::filesystem::path& path, ProfileRecord& into,
                          bool reportMissing);
  // The same into the current record.
  ProfileLoad LoadProfile(const std::filesystem::path& path, bool reportMissing) {
    return ReadProfile(path, current_, reportMissing);
  }

  // Writes the default record to `path` and, when written, makes `into` the
  // defaults. A file there that differs from the defaults is kept first as a
  // numbered backup (KeepBackup); when that fails the file is left alone.
  Outcome WriteDefaultProfile(const std::filesystem::path& path, ProfileRecord& into);
  Outcome WriteDefaultProfile(const std::filesystem::path& path) {
    return WriteDefaultProfile(path, current_);
  }

  // Writes the current record to `path`.
  Outcome SaveProfile(const std::filesystem::path& path);

  // The defaults in memory, with no macro on any button; they reach the disk
  // only after the mouse accepted them.
  void RestoreDefaults(ButtonMacroIds& macroIds);

 private:
  std::filesystem::path dataFolder_;
  const Localisation& localisation_;
  FileAccess& files_;
  ProfileRecord current_{};
};

}  // namespace n63k
