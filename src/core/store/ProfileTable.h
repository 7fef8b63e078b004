#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/base/Backups.h"
#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileFiles.h"

namespace n63k {

inline constexpr int kProfileCount = 5;
inline constexpr std::uint32_t kEntryMagic = 0xBEBE;

struct ProfileTableEntry {
  std::uint32_t entryMagic;  // kEntryMagic marks a valid entry
  std::int32_t selected;
  std::int32_t reserved0;
  char16_t label[260];     // kept with the entry, never shown
  char16_t filePath[260];  // rewritten at every load, never used
  char16_t reserved1[260];
  std::uint32_t macroIds[kButtonCount];
};

static_assert(sizeof(ProfileTableEntry) == 1600);
static_assert(offsetof(ProfileTableEntry, selected) == 4);
static_assert(offsetof(ProfileTableEntry, label) == 12);
static_assert(offsetof(ProfileTableEntry, filePath) == 532);
static_assert(offsetof(ProfileTableEntry, reserved1) == 1052);
static_assert(offsetof(ProfileTableEntry, macroIds) == 1572);

using ProfileTableEntries = std::array<ProfileTableEntry, kProfileCount>;
static_assert(sizeof(ProfileTableEntries) == 8000);

// The table of the program folder: five valid entries, the first selected,
// labelled "Profile1" to "Profile5", no macros.
ProfileTableEntries DefaultProfileTable();

// What a profile switch did: on `switched` the caller refreshes the pages and
// may request a write; otherwise nothing changed in memory.
struct [[nodiscard]] ProfileSwitch {
  bool switched;
  Outcome outcome;
};

// The five profiles, which one is current, and the macro of each button.
class ProfileTable {
 public:
  ProfileTable(std::filesystem::path dataFolder, ProfileFiles& profiles, ButtonMacroIds& macroIds,
               FileAccess& files);

  // Reads "ConfigInfo.cfg", chooses the current profile and loads it.
  // Entries without the valid mark are skipped and kept. A missing or
  // unreadable table, or one of another size, is rebuilt from the defaults
  // with profile 1 selected; the entries the file held whole keep their
  // macros. A file that is there is replaced only after its backup exists;
  // until then the rebuilt table lives in memory. The caller copies the
  // current entry's macros into ButtonMacroIds when it is ready for them
  // (UseCurrentMacroIds).
  Outcome LoadProfileTable();
  void UseCurrentMacroIds();

  // Makes `entry` current, with its profile and its macros. When its profile
  // cannot be loaded the index, the record and the macros stay as they were.
  ProfileSwitch SwitchProfile(int entry);

  // After a successful write: the macros into the current entry, the current
  // profile to its file, then the table (only once the profile is saved).
  Outcome SaveProfileTable();
  Outcome SaveCurrentProfile();
  // After an edit outside a write (the command-line tool): the current
  // profile to its file; the table only when the profile's macros changed,
  // then with `selectedEntry` selected as before the edit.
  Outcome SaveEditedProfile(int selectedEntry);

  int CurrentIndex() const { return current_; }
  // False while the current record is the defaults in memory, because its
  // file could be neither read nor created.
  bool CurrentIsStored() const { return currentStored_; }
  std::filesystem::path ProfilePath(int entry) const;
  std::filesystem::path TablePath() const;
  const ProfileTableEntries& Entries() const { return entries_; }
  // Whether each profile button is shown pressed.
  const std::array<bool, kProfileCount>& ProfileButtons() const { return pressed_; }

 private:
  std::string TableDamage(std::size_t readSize) const;
  // `damage` says what is wrong with a file that was read; empty otherwise.
  Outcome RebuildTable(std::size_t wholeEntries, std::string damage);
  Outcome WriteTable(const ProfileTableEntries& entries);

  std::filesystem::path dataFolder_;
  ProfileFiles& profiles_;
  ButtonMacroIds& macroIds_;
  FileAccess& files_;
  BackupGuard tableGuard_;
  ProfileTableEntries entries_{};
  int current_ = 0;
  bool currentStored_ = true;
  std::array<bool, kProfileCount> pressed_{};
};

}  // namespace n63k
