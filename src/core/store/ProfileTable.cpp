#include "core/store/ProfileTable.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/TextFormat.h"
#include "core/base/Utf.h"

namespace n63k {

namespace fs = std::filesystem;

ProfileTableEntries DefaultProfileTable() {
  ProfileTableEntries entries{};
  for (int i = 0; i < kProfileCount; ++i) {
    ProfileTableEntry& entry = entries[static_cast<std::size_t>(i)];
    entry.entryMagic = kEntryMagic;
    entry.selected = i == 0 ? 1 : 0;
    SetFixedText(entry.label, "Profile" + std::to_string(i + 1));
  }
  return entries;
}

ProfileTable::ProfileTable(fs::path dataFolder, ProfileFiles& profiles, ButtonMacroIds& macroIds,
                           FileAccess& files)
    : dataFolder_(std::move(dataFolder)), profiles_(profiles), macroIds_(macroIds), files_(files) {}

fs::path ProfileTable::ProfilePath(int entry) const {
  return dataFolder_ / "Profile" / ("Profile" + std::to_string(entry + 1) + ".cfg");
}

fs::path ProfileTable::TablePath() const {
  return dataFolder_ / "Profile" / "ConfigInfo.cfg";
}

Outcome ProfileTable::LoadProfileTable() {
  Outcome outcome;
  std::vector<std::uint8_t> bytes;
  const FileError error = files_.Read(TablePath(), bytes, sizeof entries_);
  if (error == FileError::kNone) {
    std::memset(&entries_, 0, sizeof entries_);
    std::memcpy(&entries_, bytes.data(), bytes.size());
  } else {
    outcome.Note(FileNotice(FileTask::kLoadProfileTable, TablePath(), error));
  }

  for (int i = 0; i < kProfileCount; ++i) {
    SetFixedText(entries_[static_cast<std::size_t>(i)].filePath, ProfilePath(i).string());
  }

  bool found = false;
  for (int i = 0; i < kProfileCount && !found; ++i) {
    ProfileTableEntry& entry = entries_[static_cast<std::size_t>(i)];
    if (entry.entryMagic != kEntryMagic || entry.selected == 0) {
      continue;
    }
    ProfileLoad load = profiles_.LoadProfile(ProfilePath(i), true);
    outcome.Add(std::move(load.outcome));
    if (load.result == LoadResult::kLoaded) {
      current_ = i;
      found = true;
    } else {
      entry.selected = 0;
      outcome.Add(profiles_.WriteDefaultProfile(ProfilePath(i)));
    }
  }
  if (!found) {
    ProfileLoad load = profiles_.LoadProfile(ProfilePath(0), false);
    outcome.Add(std::move(load.outcome));
    if (load.result != LoadResult::kLoaded) {
      outcome.Add(profiles_.WriteDefaultProfile(ProfilePath(0)));
    }
    entries_[0].selected = 1;
    current_ = 0;
  }

  for (std::size_t i = 0; i < pressed_.size(); ++i) {
    pressed_[i] = entries_[i].entryMagic == kEntryMagic && entries_[i].selected != 0;
  }
  return outcome;
}

void ProfileTable::UseCurrentMacroIds() {
  const ProfileTableEntry& entry = entries_[static_cast<std::size_t>(current_)];
  std::copy(std::begin(entry.macroIds), std::end(entry.macroIds), macroIds_.begin());
}

ProfileSwitch ProfileTable::SwitchProfile(int entry) {
  if (entry < 0 || entry >= kProfileCount) {
    return {false, {}};
  }
  ProfileRecord record = profiles_.Current();
  ProfileLoad load = profiles_.ReadProfile(ProfilePath(entry), record, true);
  if (load.result != LoadResult::kLoaded) {
    return {false, std::move(load.outcome)};
  }
  profiles_.Current() = record;
  current_ = entry;
  UseCurrentMacroIds();
  for (ProfileTableEntry& e : entries_) {
    e.selected = 0;
  }
  entries_[static_cast<std::size_t>(entry)].selected = 1;
  for (std::size_t i = 0; i < pressed_.size(); ++i) {
    pressed_[i] = entries_[i].selected == 1;
  }
  return {true, std::move(load.outcome)};
}

Outcome ProfileTable::SaveCurrentProfile() {
  return profiles_.SaveProfile(ProfilePath(current_));
}

Outcome ProfileTable::SaveProfileTable() {
  ProfileTableEntry& entry = entries_[static_cast<std::size_t>(current_)];
  std::copy(macroIds_.begin(), macroIds_.end(), std::begin(entry.macroIds));
  Outcome outcome = SaveCurrentProfile();
  // The table names the macros of the profile file; without the file it
  // would describe a profile that was not saved.
  if (!outcome.ok()) {
    return outcome;
  }
  const FileError error = files_.Write(
      TablePath(), {reinterpret_cast<const std::uint8_t*>(&entries_), sizeof entries_});
  if (error != FileError::kNone) {
    outcome.Fail(FileNotice(FileTask::kSaveProfileTable, TablePath(), error));
  }
  return outcome;
}

}  // namespace n63k
