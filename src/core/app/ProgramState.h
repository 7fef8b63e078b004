#pragma once

#include "core/base/Clock.h"
#include "core/base/FileAccess.h"
#include "core/base/Folders.h"
#include "core/base/UserMessages.h"
#include "core/buttons/MouseWatchList.h"
#include "core/i18n/InterfaceLanguage.h"
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
  ProgramState(Folders folders, UserMessages& messages, Clock& clock,
               FileAccess& files = SystemFiles());
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  // What the start-up does with the stored settings, in its order: provision
  // the data folder on first run, take the installation language, load the
  // macro table, the profile table and the current profile, take the current
  // profile's macros, and switch to the stored language. Everything the
  // loads tell is shown as it happens.
  void LoadStoredSettings();
  // The same in the window program's two halves, with the boot-loader check
  // between them: provisioning and the installation language, which answer
  // the stored language number; then the settings and that language.
  int PrepareDataAndLanguage();
  void LoadSettings(int storedLanguage);

  // Shows the user what an operation told, in the current language.
  void Tell(const Outcome& outcome);

  const Folders& folders() const { return folders_; }
  UserMessages& messages() { return messages_; }
  FileAccess& files() { return files_; }
  Localisation& localisation() { return localisation_; }
  InterfaceLanguage& language() { return language_; }
  ProfileFiles& profileFiles() { return profileFiles_; }
  ProfileTable& profileTable() { return profileTable_; }
  ButtonMacroIds& buttonMacroIds() { return buttonMacroIds_; }
  MacroTable& macroTable() { return macroTable_; }
  MacroStore& macroStore() { return macroStore_; }
  MouseWatchList& mouseWatchList() { return mouseWatchList_; }

 private:
  Folders folders_;
  UserMessages& messages_;
  FileAccess& files_;
  Localisation localisation_;
  InterfaceLanguage language_;
  ButtonMacroIds buttonMacroIds_{};
  ProfileFiles profileFiles_;
  ProfileTable profileTable_;
  MacroTable macroTable_;
  MacroStore macroStore_;
  MouseWatchList mouseWatchList_;
};

}  // namespace n63k
