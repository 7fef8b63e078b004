#include "core/app/ProgramState.h"

namespace n63k {

ProgramState::ProgramState(Folders folders, UserMessages& messages)
    : folders_(std::move(folders)),
      messages_(messages),
      profileFiles_(folders_.data, messages_, localisation_),
      profileTable_(folders_.data, profileFiles_, buttonMacroIds_, messages_) {}

void ProgramState::LoadStoredSettings() {
  ProvisionDataFolder(folders_);
  profileTable_.LoadProfileTable();
  profileTable_.UseCurrentMacroIds();
}

}  // namespace n63k
