#pragma once

#include <cstdint>
#include <filesystem>

#include "core/base/Backups.h"
#include "core/base/Clock.h"
#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// The macro table's file, `Macro.cfg` in the data folder, and the changes that
// rewrite it: the file equals the table after every change.
class MacroStore {
 public:
  MacroStore(std::filesystem::path dataFolder, MacroTable& table, FileAccess& files, Clock& clock);

  std::filesystem::path Path() const;

  // Fills the table from the file; on any failure the table is empty. A file
  // longer than the table is read from its start, told, and kept as a backup
  // before anything is saved over it.
  Outcome LoadMacroTable();

  // Writes the whole table, whole or not at all. A missing file is told and
  // then created. Succeeds when the file now equals the table; fails, saving
  // nothing, while a long file could not be kept yet.
  Outcome SaveMacroTable();

  // Puts the record into the table (MacroTable::PutMacro) and saves it. Fails
  // with nothing to tell, and nothing changed, when the table refused it.
  Outcome StoreMacro(const MacroRecord& record);

  // Deletes a macro and saves the table, unless a profile uses it: then
  // nothing changes and the outcome says why.
  Outcome DeleteMacro(std::uint32_t identifier, const ProfileTableEntries& profiles,
                      const ProfileRecord& current);

 private:
  std::filesystem::path dataFolder_;
  MacroTable& table_;
  FileAccess& files_;
  Clock& clock_;
  BackupGuard guard_;
};

}  // namespace n63k
