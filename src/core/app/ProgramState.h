#pragma once

#include "core/app/Folders.h"
#include "core/app/UserMessages.h"
#include "core/base/Clock.h"
#include "core/buttons/MouseWatchList.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroStore.h"
#include "core/macro/MacroTable.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// The settings the whole program shares, created once and passed by reference
// to every page, the worker and the command-line tool.
class ProgramState {
 public:
  ProgramState(Folders folders, UserMessages& messages, Clock& clock);
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  // What the start-up does with the stored settings: provision the data folder
  // on first run, load the macro table, load the profile table and the
  // current profile, and take the current profile's macros.
  void LoadStoredSettings();

  const Folders& folders() const { return folders_; }
  UserMessages& messages() { return messages_; }
  Localisation& localisation() { return localisation_; }
  ProfileFiles& profileFiles() { return profileFiles_; }
  ProfileTable& profileTable() { return profileTable_; }
  ButtonMacroIds& buttonMacroIds() { return buttonMacroIds_; }
  MacroTable& macroTable() { return macroTable_; }
  MacroStore& macroStore() { return macroStore_; }
  MouseWatchList& mouseWatchList() { return mouseWatchList_; }

 private:
  Folders folders_;
  UserMessages& messages_;
  Clock& clock_;
  Localisation localisation_;
  ButtonMacroIds buttonMacroIds_{};
  ProfileFiles profileFiles_;
  ProfileTable profileTable_;
  MacroTable macroTable_;
  MacroStore macroStore_;
  MouseWatchList mouseWatchList_;
};

}  // namespace n63k
