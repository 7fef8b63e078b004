#include "core/macro/MacroStore.h"

#include <string>
#include <system_error>
#include <vector>

#include "core/macro/MacroInUse.h"

namespace n63k {
namespace {

// The pauses around each write of the file are part of the program's behaviour.
constexpr std::uint32_t kWritePauseMs = 100;

}  // namespace

namespace fs = std::filesystem;

MacroStore::MacroStore(fs::path dataFolder, MacroTable& table, FileAccess& files, Clock& clock)
    : dataFolder_(std::move(dataFolder)), table_(table), files_(files), clock_(clock) {}

fs::path MacroStore::Path() const {
  return dataFolder_ / "Macro.cfg";
}

Outcome MacroStore::LoadMacroTable() {
  std::vector<std::uint8_t> bytes;
  // One byte more than the table, so that a long file is seen.
  const FileError error = files_.Read(Path(), bytes, sizeof(MacroSlots) + 1);
  guard_ = {};
  if (error != FileError::kNone) {
    table_.Fill({});
    return Outcome::Failure(FileNotice(FileTask::kLoadMacros, Path(), error));
  }
  const bool longer = bytes.size() > sizeof(MacroSlots);
  if (longer) {
    bytes.resize(sizeof(MacroSlots));
  }
  table_.Fill(bytes);
  if (!longer) {
    return {};
  }
  // Saving the table would cut off what lies beyond it.
  const std::string size = "size " + std::to_string(FileSizeAtLeast(Path(), bytes.size() + 1)) +
                           " bytes, expected at most " + std::to_string(sizeof(MacroSlots));
  const BackupResult backup = guard_.Keep(Path(), table_.Bytes(), files_);
  if (!MayReplace(backup)) {
    return Outcome().Note(NoBackupNotice(FileTask::kLoadMacros, Path(), backup,
                                         size + "; its macros are read from its start and not "
                                                "saved until a backup can be made"));
  }
  return Outcome().Note({FileTask::kLoadMacros, Problem::kDamaged, Path(), size});
}

Outcome MacroStore::SaveMacroTable() {
  const fs::path path = Path();
  const BackupResult backup = guard_.BeforeSave(path, table_.Bytes(), files_);
  if (!MayReplace(backup)) {
    return Outcome::Failure(
        NoBackupNotice(FileTask::kSaveMacros, path, backup, "the macros are not saved"));
  }
  std::error_code unknown;
  const bool exists = fs::exists(path, unknown) || unknown;
  if (!exists) {
    Outcome outcome;
    outcome.Note(FileNotice(FileTask::kSaveMacros, path, FileError::kNotFound));
    const FileError error = files_.Write(path, table_.Bytes());
    if (error != FileError::kNone) {
      outcome.Fail(FileNotice(FileTask::kCreateMacros, path, error));
    }
    return outcome;
  }
  clock_.SleepMs(kWritePauseMs);
  const FileError error = files_.Write(path, table_.Bytes());
  clock_.SleepMs(kWritePauseMs);
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveMacros, path, error));
  }
  return {};
}

Outcome MacroStore::StoreMacro(const MacroRecord& record) {
  if (!table_.PutMacro(record)) {
    return Outcome::Refused();
  }
  return SaveMacroTable();
}

Outcome MacroStore::DeleteMacro(std::uint32_t identifier, const ProfileTableEntries& profiles,
                                const ProfileRecord& current) {
  if (IsMacroInUse(identifier, profiles, current)) {
    return Outcome::Failure({FileTask::kDeleteMacro, Problem::kInUse, Path(), {}});
  }
  table_.ClearMacro(identifier);
  return SaveMacroTable();
}

}  // namespace n63k
