#include "cli/Cli.h"
#include "cli/CliDevice.h"
#include "cli/Commands.h"
#include "core/device/DeviceCommands.h"

namespace n63k::cli {

void AddVersionCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("version", "Read the mouse's firmware version");
  command->callback([&context, &status] {
    CliDevice device(context, false);
    if (!device.Open()) {
      status = kExitFailure;
      return;
    }
    // A version of 0 is no answer either, as the support page treats it.
    const auto version = ReadFirmwareVersion(device.link());
    if (!version || *version == 0) {
      context.err << "n63kctl: the mouse did not answer the firmware version request\n";
      status = kExitFailure;
      return;
    }
    context.out << *version << '\n';
    status = kExitOk;
  });
}

}  // namespace n63k::cli
