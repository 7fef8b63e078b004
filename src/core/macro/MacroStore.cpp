#include "core/macro/MacroStore.h"

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
  const FileError error = files_.Read(Path(), bytes, sizeof(MacroSlots));
  if (error != FileError::kNone) {
    bytes.clear();
  }
  table_.Fill(bytes);
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kLoadMacros, Path(), error));
  }
  return {};
}

Outcome MacroStore::SaveMacroTable() {
  const fs::path path = Path();
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
