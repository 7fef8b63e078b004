#include "cli/Cli.h"

#include <algorithm>

#include "cli/Commands.h"

namespace n63k::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           DeviceEnvironment environment) {
  Context context(out, err, environment);
  int status = kExitOk;

  CLI::App app("Configures the Korvu N63K gaming mouse.", "n63kctl");
  app.require_subcommand(1);
  app.option_defaults()->always_capture_default();
  app.add_option("--data", context.dataFolder, "Data folder (default: the program's own)");
  app.add_flag("--simulate", context.simulate,
               "Use the simulated mouse (also with N63K_DEVICE=simulated)");
  app.add_option("--simulate-fail", context.simulateFail,
                 "Use the simulated mouse, which refuses the N-th report it is sent")
      ->check(CLI::PositiveNumber);
  app.add_option("--profile", context.profile,
                 "Work on profile N instead of the current one (set, show and apply)")
      ->check(CLI::Range(1, kProfileCount));

  AddDefaultsCommand(app, context, status);
  AddLangCommand(app, context, status);
  AddProfilesCommand(app, context, status);
  AddShowCommand(app, context, status);
  AddMacrosCommand(app, context, status);
  AddVersionCommand(app, context, status);
  AddApplyCommand(app, context, status);
  AddSetCommand(app, context, status);
  AddFunctionsCommand(app, context, status);
  AddKeysCommand(app, context, status);
  AddFirmwareCommand(app, context, status);
  AddProfileTransferCommands(app, context, status);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << "n63kctl: " << e.what() << '\n' << "Run 'n63kctl --help' for usage.\n";
    return kExitUsage;
  }
  return status;
}

}  // namespace n63k::cli
