#pragma once

#include <CLI/CLI.hpp>

#include "cli/Context.h"

namespace n63k::cli {

// Each command adds itself to the tool; its callback leaves the exit status
// in `status`.
void AddDefaultsCommand(CLI::App& app, Context& context, int& status);
void AddLangCommand(CLI::App& app, Context& context, int& status);
void AddProfilesCommand(CLI::App& app, Context& context, int& status);
void AddShowCommand(CLI::App& app, Context& context, int& status);
void AddMacrosCommand(CLI::App& app, Context& context, int& status);
void AddVersionCommand(CLI::App& app, Context& context, int& status);
void AddApplyCommand(CLI::App& app, Context& context, int& status);
void AddSetCommand(CLI::App& app, Context& context, int& status);
// `set lighting ...`, under the `set` command.
void AddSetLightingCommand(CLI::App& set, Context& context, int& status);
void AddFunctionsCommand(CLI::App& app, Context& context, int& status);
void AddKeysCommand(CLI::App& app, Context& context, int& status);
void AddFirmwareCommand(CLI::App& app, Context& context, int& status);
// `export FILE` and `import FILE`.
void AddProfileTransferCommands(CLI::App& app, Context& context, int& status);

}  // namespace n63k::cli
