#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/app/UserMessages.h"
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

// The five profiles, which one is current, and the macro of each button.
class ProfileTable {
 public:
  ProfileTable(std::filesystem::path dataFolder, ProfileFiles& files, ButtonMacroIds& macroIds,
               UserMessages& messages);

  // Reads "ConfigInfo.cfg", chooses the current profile and loads it. The
  // caller copies the current entry's macros into ButtonMacroIds when it is
  // ready for them (UseCurrentMacroIds).
  void LoadProfileTable();
  void UseCurrentMacroIds();

  // Makes `entry` current and loads its profile. On false the profile could
  // not be loaded: the entry is current but nothing else changed. On true the
  // caller refreshes the pages and may request a write.
  bool SwitchProfile(int entry);

  // After a successful write: the macros into the current entry, the current
  // profile to its file, then the table.
  void SaveProfileTable();
  void SaveCurrentProfile();

  int CurrentIndex() const { return current_; }
  std::filesystem::path ProfilePath(int entry) const;
  std::filesystem::path TablePath() const;
  const ProfileTableEntries& Entries() const { return entries_; }
  // Whether each profile button is shown pressed.
  const std::array<bool, kProfileCount>& ProfileButtons() const { return pressed_; }

 private:
  std::filesystem::path dataFolder_;
  ProfileFiles& files_;
  ButtonMacroIds& macroIds_;
  UserMessages& messages_;
  ProfileTableEntries entries_{};
  int current_ = 0;
  std::array<bool, kProfileCount> pressed_{};
};

}  // namespace n63k
