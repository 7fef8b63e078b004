#pragma once

#include <cstdint>
#include <filesystem>

#include "core/app/UserMessages.h"
#include "core/base/Clock.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// The macro table's file, `Macro.cfg` in the data folder, and the changes that
// rewrite it: the file equals the table after every change.
class MacroStore {
 public:
  MacroStore(std::filesystem::path dataFolder, MacroTable& table, UserMessages& messages,
             const Localisation& localisation, Clock& clock);

  std::filesystem::path Path() const;

  // Fills the table from the file, once at start-up. A missing file or folder
  // is reported; on any failure the table is empty and the answer false.
  bool LoadMacroTable();

  // Writes the whole table, whole or not at all. A missing file is reported
  // and then created; a file that may not be written or created is reported.
  // True when the file now equals the table.
  bool SaveMacroTable();

  // Puts the record into the table (MacroTable::PutMacro) and saves it. False,
  // with nothing changed, when the table refused it.
  bool StoreMacro(const MacroRecord& record);

  // Deletes a macro and saves the table, unless a profile uses it: then the
  // user is told why and nothing changes.
  bool DeleteMacro(std::uint32_t identifier, const ProfileTableEntries& profiles,
                   const ProfileRecord& current);

 private:
  std::filesystem::path dataFolder_;
  MacroTable& table_;
  UserMessages& messages_;
  const Localisation& localisation_;
  Clock& clock_;
};

}  // namespace n63k
