#include <memory>

#include "cli/Cli.h"
#include "cli/CliDevice.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/device/DeviceCommands.h"

namespace n63k::cli {

void AddVersionCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("version", "Read the mouse's firmware version");
  auto json = std::make_shared<bool>(false);
  command->add_flag("--json", *json, "One JSON document instead of text");
  command->callback([&context, &status, json] {
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
    if (*json) {
      PrintJson(context.out, {{"firmwareVersion", *version}});
    } else {
      context.out << *version << '\n';
    }
    status = kExitOk;
  });
}

}  // namespace n63k::cli
