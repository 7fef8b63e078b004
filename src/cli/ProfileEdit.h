#pragma once

#include <functional>

#include "cli/Context.h"

namespace n63k::cli {

// Runs one change of a `set` command on the current profile, or on profile
// `--profile N` after switching to it, and saves that profile file whole when
// `edit` accepted the change. `edit` tells why it refused; nothing is saved
// then. Nothing is sent to the mouse.
void EditProfile(Context& context, int& status, const std::function<bool(ProgramState&)>& edit);

}  // namespace n63k::cli
