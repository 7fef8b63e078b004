#include "core/store/ProfileTable.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/Backups.h"
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

namespace {

std::span<const std::uint8_t> TableBytes(const ProfileTableEntries& entries) {
  return {reinterpret_cast<const std::uint8_t*>(&entries), sizeof entries};
}

}  // namespace

Outcome ProfileTable::LoadProfileTable() {
  Outcome outcome;
  std::vector<std::uint8_t> bytes;
  // One byte more than the table, so that a long file is seen as damaged.
  const FileError error = files_.Read(TablePath(), bytes, sizeof entries_ + 1);
  std::memset(&entries_, 0, sizeof entries_);
  if (error == FileError::kNone) {
    std::memcpy(&entries_, bytes.data(), std::min(bytes.size(), sizeof entries_));
  }
  // Only a file of another size is damaged: entries without the valid mark
  // are skipped below and kept as they are, whatever their selection.
  if (error == FileError::kNone && bytes.size() != sizeof entries_) {
    const std::size_t wholeEntries = std::min(bytes.size(), sizeof entries_) / sizeof entries_[0];
    outcome.Add(RebuildTable(wholeEntries, TableDamage(bytes.size())));
  } else if (error != FileError::kNone) {
    outcome.Note(FileNotice(FileTask::kLoadProfileTable, TablePath(), error));
    outcome.Add(RebuildTable(0, {}));
  }
  for (int i = 0; i < kProfileCount; ++i) {
    SetFixedText(entries_[static_cast<std::size_t>(i)].filePath, ProfilePath(i).string());
  }

  bool found = false;
  bool firstTried = false;
  bool firstWritten = false;
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
      Outcome written = profiles_.WriteDefaultProfile(ProfilePath(i));
      if (i == 0) {
        firstTried = true;
        firstWritten = written.ok();
      }
      outcome.Add(std::move(written));
    }
  }
  currentStored_ = true;
  if (!found) {
    if (!firstTried) {
      ProfileLoad load = profiles_.LoadProfile(ProfilePath(0), false);
      outcome.Add(std::move(load.outcome));
      firstWritten = load.result == LoadResult::kLoaded;
      if (!firstWritten) {
        Outcome written = profiles_.WriteDefaultProfile(ProfilePath(0));
        firstWritten = written.ok();
        outcome.Add(std::move(written));
      }
    }
    // A profile that can be neither read nor created: the program still runs,
    // on defaults that live in memory only, and says so.
    if (!firstWritten) {
      BuildDefaultProfile(profiles_.Current(), profiles_.chineseUi());
      currentStored_ = false;
      outcome.Note({FileTask::kLoadProfile, Problem::kFailed, ProfilePath(0),
                    "it can be neither read nor created, so the default settings are used and "
                    "will not be saved"});
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
  currentStored_ = true;
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

std::string ProfileTable::TableDamage(std::size_t readSize) const {
  return "size " + std::to_string(FileSizeAtLeast(TablePath(), readSize)) + " bytes, expected " +
         std::to_string(sizeof entries_);
}

Outcome ProfileTable::RebuildTable(std::size_t wholeEntries, std::string damage) {
  // What the file held whole still names the profiles' macros.
  const ProfileTableEntries read = entries_;
  entries_ = DefaultProfileTable();
  for (std::size_t i = 0; i < wholeEntries; ++i) {
    std::copy(std::begin(read[i].macroIds), std::end(read[i].macroIds),
              std::begin(entries_[i].macroIds));
  }
  for (int i = 0; i < kProfileCount; ++i) {
    SetFixedText(entries_[static_cast<std::size_t>(i)].filePath, ProfilePath(i).string());
  }
  const BackupResult backup = tableGuard_.Keep(TablePath(), TableBytes(entries_), files_);
  if (!MayReplace(backup)) {
    // The file stays as it is; the rebuilt table lives in memory and is
    // saved only once a backup can be made.
    return Outcome().Note(NoBackupNotice(
        FileTask::kLoadProfileTable, TablePath(), backup,
        (damage.empty() ? "" : damage + "; ") +
            "profile 1 is current, and the table is saved only once a backup can be made"));
  }
  Outcome outcome;
  if (!damage.empty()) {
    outcome.Note({FileTask::kLoadProfileTable, Problem::kDamaged, TablePath(), std::move(damage)});
  }
  const FileError error = files_.Write(TablePath(), TableBytes(entries_));
  if (error != FileError::kNone) {
    outcome.Fail(FileNotice(FileTask::kSaveProfileTable, TablePath(), error));
  }
  return outcome;
}

Outcome ProfileTable::WriteTable(const ProfileTableEntries& entries) {
  const BackupResult backup = tableGuard_.BeforeSave(TablePath(), TableBytes(entries), files_);
  if (!MayReplace(backup)) {
    return Outcome::Failure(NoBackupNotice(FileTask::kSaveProfileTable, TablePath(), backup,
                                           "the profile table is not saved"));
  }
  const FileError error = files_.Write(TablePath(), TableBytes(entries));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveProfileTable, TablePath(), error));
  }
  return {};
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
  return outcome.Add(WriteTable(entries_));
}

Outcome ProfileTable::SaveEditedProfile(int selectedEntry) {
  Outcome outcome = SaveCurrentProfile();
  ProfileTableEntry& entry = entries_[static_cast<std::size_t>(current_)];
  if (!outcome.ok() || std::equal(macroIds_.begin(), macroIds_.end(), std::begin(entry.macroIds))) {
    return outcome;
  }
  std::copy(macroIds_.begin(), macroIds_.end(), std::begin(entry.macroIds));
  ProfileTableEntries stored = entries_;
  for (int i = 0; i < kProfileCount; ++i) {
    stored[static_cast<std::size_t>(i)].selected = i == selectedEntry ? 1 : 0;
  }
  return outcome.Add(WriteTable(stored));
}

}  // namespace n63k
