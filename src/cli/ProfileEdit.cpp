#include "cli/ProfileEdit.h"

#include "cli/Cli.h"

namespace n63k::cli {

void EditProfile(Context& context, int& status, const std::function<bool(ProgramState&)>& edit) {
  status = kExitFailure;
  if (!context.LoadData()) {
    return;
  }
  ProgramState& state = context.State();
  ProfileTable& table = state.profileTable();
  const int selected = table.CurrentIndex();
  if (context.profile != 0 && !context.SwitchProfile(context.profile)) {
    return;
  }
  if (!table.CurrentIsStored()) {
    context.err << "n63kctl: the current profile could not be loaded; nothing was changed\n";
    return;
  }
  if (!edit(state)) {
    return;
  }
  const Outcome saved = table.SaveEditedProfile(selected);
  state.Tell(saved);
  if (saved.ok()) {
    status = kExitOk;
  }
}

}  // namespace n63k::cli
