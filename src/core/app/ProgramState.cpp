#include "core/app/ProgramState.h"

namespace n63k {

ProgramState::ProgramState(Folders folders, UserMessages& messages, Clock& clock)
    : folders_(std::move(folders)),
      messages_(messages),
      clock_(clock),
      language_(folders_, messages_, localisation_),
      profileFiles_(folders_.data, messages_, localisation_),
      profileTable_(folders_.data, profileFiles_, buttonMacroIds_, messages_),
      macroStore_(folders_.data, macroTable_, messages_, localisation_, clock_) {}

void ProgramState::LoadStoredSettings() {
  ProvisionDataFolder(folders_);
  const int storedLanguage = language_.StartUp();
  macroStore_.LoadMacroTable();
  profileTable_.LoadProfileTable();
  profileTable_.UseCurrentMacroIds();
  language_.SwitchLanguage(storedLanguage, LanguagePick::kStartUp);
}

}  // namespace n63k
