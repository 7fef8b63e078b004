#include "cli/Context.h"

#include "core/app/Provisioning.h"

namespace n63k::cli {

bool Context::LoadData() {
  if (state_) {
    return true;
  }
  Folders folders = DefaultFolders(system_);
  if (!dataFolder.empty()) {
    folders.data = dataFolder;
  }
  state_ = std::make_unique<ProgramState>(folders, messages_, clock());
  ProvisionDataFolder(folders, state_->files());
  lock_ = std::make_unique<FolderLock>(folders.data, clock());
  if (lock_->status() == FolderLock::Status::kBusy) {
    // The interface language is not loaded yet; the command line speaks
    // English then.
    state_->localisation().chineseUi = false;
    state_->Tell(Outcome::Failure({FileTask::kLockDataFolder, Problem::kBusy, folders.data, {}}));
    state_.reset();
    return false;
  }
  // A folder that cannot hold the lock file cannot be written either: reading
  // it needs no lock.
  if (lock_->held()) {
    RemoveStaleTemporaries(folders);
  }
  state_->LoadStoredSettings();
  return true;
}

ProgramState& Context::State() {
  return *state_;
}

bool Context::SwitchProfile(int number) {
  ProgramState& state = State();
  ProfileSwitch done = state.profileTable().SwitchProfile(number - 1);
  state.Tell(done.outcome);
  if (!done.switched) {
    err << "n63kctl: profile " << number << " could not be loaded\n";
  }
  return done.switched;
}

}  // namespace n63k::cli
