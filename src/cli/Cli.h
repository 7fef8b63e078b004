#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/Context.h"

namespace n63k::cli {

// Exit statuses of n63kctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs n63kctl with its arguments (without the program name); device
// commands reach what `environment` names instead of the system's.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           DeviceEnvironment environment = {});

}  // namespace n63k::cli
