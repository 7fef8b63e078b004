#include "core/app/WorkerWrites.h"

#include "core/app/TellUser.h"

namespace n63k {

bool WorkerWrites::StartWrite() {
  ProfileSnapshot snapshot =
      TakeSnapshot(state_.profileFiles().Current(), state_.buttonMacroIds(), state_.macroTable());
  TellMissingMacros(snapshot, state_.messages(), state_.localisation());
  if (!worker_.RequestSync(std::move(snapshot))) {
    return false;
  }
  showProgress_();
  return true;
}

}  // namespace n63k
