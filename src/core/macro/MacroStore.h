#pragma once

#include <cstdint>
#include <filesystem>

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

  // Fills the table from the file, once at start-up; on any failure the table
  // is empty.
  Outcome LoadMacroTable();

  // Writes the whole table, whole or not at all. A missing file is told and
  // then created. Succeeds when the file now equals the table.
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
};

}  // namespace n63k
