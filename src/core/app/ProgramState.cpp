#include "core/app/ProgramState.h"

namespace n63k {

ProgramState::ProgramState(Folders folders, UserMessages& messages, Clock& clock)
    : folders_(std::move(folders)),
      messages_(messages),
      clock_(clock),
      profileFiles_(folders_.data, messages_, localisation_),
      profileTable_(folders_.data, profileFiles_, buttonMacroIds_, messages_),
      macroStore_(folders_.data, macroTable_, messages_, localisation_, clock_) {}

void ProgramState::LoadStoredSettings() {
  ProvisionDataFolder(folders_);
  macroStore_.LoadMacroTable();
  profileTable_.LoadProfileTable();
  profileTable_.UseCurrentMacroIds();
}

}  // namespace n63k
