#include "core/store/ProfileTable.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/Files.h"
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

ProfileTable::ProfileTable(fs::path dataFolder, ProfileFiles& files, ButtonMacroIds& macroIds,
                           UserMessages& messages)
    : dataFolder_(std::move(dataFolder)), files_(files), macroIds_(macroIds), messages_(messages) {}

fs::path ProfileTable::ProfilePath(int entry) const {
  return dataFolder_ / "Profile" / ("Profile" + std::to_string(entry + 1) + ".cfg");
}

fs::path ProfileTable::TablePath() const {
  return dataFolder_ / "Profile" / "ConfigInfo.cfg";
}

void ProfileTable::LoadProfileTable() {
  std::vector<std::uint8_t> bytes;
  const FileError error = ReadFileBytes(TablePath(), bytes, sizeof entries_);
  if (error == FileError::kNone) {
    std::memset(&entries_, 0, sizeof entries_);
    std::memcpy(&entries_, bytes.data(), bytes.size());
  } else if (error == FileError::kNotFound) {
    messages_.InfoBox(
        FormatText("Failed to open file, check whether there is a %s path?", TablePath().string()),
        false);
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
    if (files_.LoadProfile(ProfilePath(i), true) == LoadResult::kLoaded) {
      current_ = i;
      found = true;
    } else {
      entry.selected = 0;
      files_.WriteDefaultProfile(ProfilePath(i));
    }
  }
  if (!found) {
    if (files_.LoadProfile(ProfilePath(0), false) != LoadResult::kLoaded) {
      files_.WriteDefaultProfile(ProfilePath(0));
    }
    entries_[0].selected = 1;
    current_ = 0;
  }

  for (std::size_t i = 0; i < pressed_.size(); ++i) {
    pressed_[i] = entries_[i].entryMagic == kEntryMagic && entries_[i].selected != 0;
  }
}

void ProfileTable::UseCurrentMacroIds() {
  const ProfileTableEntry& entry = entries_[static_cast<std::size_t>(current_)];
  std::copy(std::begin(entry.macroIds), std::end(entry.macroIds), macroIds_.begin());
}

bool ProfileTable::SwitchProfile(int entry) {
  if (entry < 0 || entry >= kProfileCount) {
    return false;
  }
  current_ = entry;
  if (files_.LoadProfile(ProfilePath(entry), true) != LoadResult::kLoaded) {
    return false;
  }
  UseCurrentMacroIds();
  for (ProfileTableEntry& e : entries_) {
    e.selected = 0;
  }
  entries_[static_cast<std::size_t>(entry)].selected = 1;
  for (std::size_t i = 0; i < pressed_.size(); ++i) {
    pressed_[i] = entries_[i].selected == 1;
  }
  return true;
}

void ProfileTable::SaveCurrentProfile() {
  files_.SaveProfile(ProfilePath(current_));
}

void ProfileTable::SaveProfileTable() {
  ProfileTableEntry& entry = entries_[static_cast<std::size_t>(current_)];
  std::copy(macroIds_.begin(), macroIds_.end(), std::begin(entry.macroIds));
  SaveCurrentProfile();
  WriteFileAtomic(TablePath(), {reinterpret_cast<const std::uint8_t*>(&entries_), sizeof entries_});
}

}  // namespace n63k
