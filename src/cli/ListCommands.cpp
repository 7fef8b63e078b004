#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "cli/FunctionArgument.h"
#include "cli/KeyArgument.h"
#include "core/buttons/FunctionCatalogue.h"

namespace n63k::cli {

void AddFunctionsCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand(
      "functions", "List the catalogue's functions: name for 'set button', code, English name");
  command->callback([&context, &status] {
    for (const ButtonFunction& function : FunctionCatalogue()) {
      context.out << FunctionCommandName(function.english) << ' ' << function.code << ' '
                  << function.english << '\n';
    }
    status = kExitOk;
  });
}

void AddKeysCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand(
      "keys",
      "List the key names of 'set button SLOT keys:...', as the key-combination page "
      "shows them: name and the key's USB usage in hexadecimal");
  command->callback([&context, &status] {
    for (const NamedKey& key : CombinationKeys()) {
      context.out << key.name << ' ' << Hex32(key.usage).substr(8) << '\n';
    }
    status = kExitOk;
  });
}

}  // namespace n63k::cli
