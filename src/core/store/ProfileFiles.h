#pragma once

#include <filesystem>

#include "core/app/UserMessages.h"
#include "core/i18n/TextTable.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

enum class LoadResult {
  kNotOpened = 0,
  kLoaded = 1,
  kInvalid = 255,  // read, but the magic is wrong; the record holds the bytes read
};

// The current profile record and the files it is read from and written to.
class ProfileFiles {
 public:
  ProfileFiles(std::filesystem::path dataFolder, UserMessages& messages,
               const Localisation& localisation);

  ProfileRecord& Current() { return current_; }
  const ProfileRecord& Current() const { return current_; }

  // Reads a profile file into the current record. With `reportMissing`, a
  // missing file is reported and replaced by a default profile.
  LoadResult LoadProfile(const std::filesystem::path& path, bool reportMissing);

  // Makes the current record the default record and writes it to `path`. A
  // file there that differs from the defaults is kept first as "<name>.bak",
  // unless an earlier one is kept already.
  bool WriteDefaultProfile(const std::filesystem::path& path);

  // Writes the current record to `path`, reporting why it could not.
  void SaveProfile(const std::filesystem::path& path);

  // The defaults in memory, with no macro on any button; they reach the disk
  // only after the mouse accepted them.
  void RestoreDefaults(ButtonMacroIds& macroIds);

 private:
  std::filesystem::path dataFolder_;
  UserMessages& messages_;
  const Localisation& localisation_;
  ProfileRecord current_{};
};

}  // namespace n63k
