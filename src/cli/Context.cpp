#include "cli/Context.h"

namespace n63k::cli {

ProgramState& Context::State() {
  if (!state_) {
    Folders folders = DefaultFolders(system_);
    if (!dataFolder.empty()) {
      folders.data = dataFolder;
    }
    state_ = std::make_unique<ProgramState>(std::move(folders), messages_, clock());
    state_->LoadStoredSettings();
  }
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
