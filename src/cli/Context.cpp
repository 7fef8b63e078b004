#include "cli/Context.h"

namespace n63k::cli {

ProgramState& Context::State() {
  if (!state_) {
    Folders folders{RunningProgramFolder(), dataFolder.empty() ? DefaultDataFolder() : dataFolder};
    state_ = std::make_unique<ProgramState>(std::move(folders), messages_, clock());
    state_->LoadStoredSettings();
  }
  return *state_;
}

}  // namespace n63k::cli
