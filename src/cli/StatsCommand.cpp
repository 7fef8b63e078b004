#include <memory>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "core/stats/StatsFile.h"

namespace n63k::cli {

void AddStatsCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand(
      "stats", "Print the click, wheel and distance statistics and the trophy level");
  auto reset = std::make_shared<bool>(false);
  command->add_flag("--reset", *reset,
                    "Clear the statistics as the page's reset does, without asking");
  command->callback([&context, &status, reset] {
    if (!context.LoadData()) {
      status = kExitFailure;
      return;
    }
    ProgramState& state = context.State();
    const std::filesystem::path file = state.folders().data / kStatsFileName;
    if (*reset) {
      const Outcome saved = SaveStats(file, state.files(), StatsRecord{}, nullptr);
      state.Tell(saved);
      status = saved.ok() ? kExitOk : kExitFailure;
      return;
    }
    StatsRecord record;
    // Only reading: a damaged file is told about and left as it is.
    state.Tell(LoadStats(file, state.files(), record, nullptr));
    const std::pair<const char*, std::string> lines[] = {
        {"left", CountText(record.left)},
        {"middle", CountText(record.middle)},
        {"right", CountText(record.right)},
        {"clicks", CountText(ClickTotal(record))},
        {"wheel-forward", CountText(record.wheelForward)},
        {"wheel-backward", CountText(record.wheelBackward)},
        {"wheel", CountText(WheelTotal(record))},
        {"distance", DistanceText(record.distance)},
        {"level", std::to_string(LevelOfRecord(record))},
    };
    for (const auto& [name, value] : lines) {
      context.out << name << ": " << value << '\n';
    }
    status = kExitOk;
  });
}

}  // namespace n63k::cli
