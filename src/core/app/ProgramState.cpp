#include "core/app/ProgramState.h"

#include "core/app/Provisioning.h"
#include "core/app/TellUser.h"

namespace n63k {

ProgramState::ProgramState(Folders folders, UserMessages& messages, Clock& clock, FileAccess& files)
    : folders_(std::move(folders)),
      messages_(messages),
      files_(files),
      language_(folders_, localisation_, files_),
      profileFiles_(folders_.data, localisation_, files_),
      profileTable_(folders_.data, profileFiles_, buttonMacroIds_, files_),
      macroStore_(folders_.data, macroTable_, files_, clock) {}

void ProgramState::Tell(const Outcome& outcome) {
  TellUser(outcome, messages_, localisation_);
}

void ProgramState::LoadStoredSettings() {
  LoadSettings(PrepareDataAndLanguage());
}

int ProgramState::PrepareDataAndLanguage() {
  ProvisionDataFolder(folders_, files_);
  const LanguageNumber stored = language_.StartUp();
  Tell(stored.outcome);
  return stored.number;
}

void ProgramState::LoadSettings(int storedLanguage) {
  Tell(macroStore_.LoadMacroTable());
  Tell(profileTable_.LoadProfileTable());
  profileTable_.UseCurrentMacroIds();
  Tell(language_.SwitchLanguage(storedLanguage, LanguagePick::kStartUp));
}

}  // namespace n63k
