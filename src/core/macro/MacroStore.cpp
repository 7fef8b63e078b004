#include "core/macro/MacroStore.h"

#include <system_error>
#include <vector>

#include "core/base/Files.h"
#include "core/base/TextFormat.h"
#include "core/macro/MacroInUse.h"

namespace n63k {
namespace {

// The pauses around each write of the file are part of the program's behaviour.
constexpr std::uint32_t kWritePauseMs = 100;

}  // namespace

namespace fs = std::filesystem;

MacroStore::MacroStore(fs::path dataFolder, MacroTable& table, UserMessages& messages,
                       const Localisation& localisation, Clock& clock)
    : dataFolder_(std::move(dataFolder)),
      table_(table),
      messages_(messages),
      localisation_(localisation),
      clock_(clock) {}

fs::path MacroStore::Path() const {
  return dataFolder_ / "Macro.cfg";
}

bool MacroStore::LoadMacroTable() {
  std::vector<std::uint8_t> bytes;
  const FileError error = ReadFileBytes(Path(), bytes, sizeof(MacroSlots));
  if (error != FileError::kNone) {
    bytes.clear();
  }
  table_.Fill(bytes);
  if (error == FileError::kNotFound) {
    messages_.InfoBox(FormatText(localisation_.texts.Get("str_msg2"), Path().string()), false);
  }
  return error == FileError::kNone;
}

bool MacroStore::SaveMacroTable() {
  const fs::path path = Path();
  std::error_code unknown;
  const bool exists = fs::exists(path, unknown) || unknown;
  if (!exists) {
    messages_.StandardInfo(FormatText(localisation_.texts.Get("str_msg2"), path.string()));
    const FileError error = WriteFileAtomic(path, table_.Bytes());
    if (error == FileError::kAccessDenied) {
      messages_.StandardInfo(localisation_.texts.Get("str_msg4"));
    }
    return error == FileError::kNone;
  }
  clock_.SleepMs(kWritePauseMs);
  const FileError error = WriteFileAtomic(path, table_.Bytes());
  clock_.SleepMs(kWritePauseMs);
  // Reported, or the user would believe the change was kept.
  if (error == FileError::kAccessDenied) {
    messages_.StandardInfo(localisation_.texts.Get("str_msg5"));
  }
  return error == FileError::kNone;
}

bool MacroStore::StoreMacro(const MacroRecord& record) {
  if (!table_.PutMacro(record)) {
    return false;
  }
  SaveMacroTable();
  return true;
}

bool MacroStore::DeleteMacro(std::uint32_t identifier, const ProfileTableEntries& profiles,
                             const ProfileRecord& current) {
  if (IsMacroInUse(identifier, profiles, current)) {
    messages_.InfoBox(localisation_.chineseUi ? "当前宏正在被使用，不能删除！"
                                              : "The macro is being applied and cannot be deleted!",
                      false);
    return false;
  }
  table_.ClearMacro(identifier);
  SaveMacroTable();
  return true;
}

}  // namespace n63k
