#include <filesystem>
#include <memory>
#include <optional>

#include "cli/Cli.h"
#include "cli/CliDevice.h"
#include "cli/Commands.h"
#include "core/app/TellUser.h"
#include "core/device/SyncOutcomeWaiter.h"
#include "core/device/SyncWorker.h"
#include "core/store/ProfileImport.h"
#include "core/store/ProfileValidation.h"

namespace n63k::cli {
namespace {

struct ApplyOptions {
  std::optional<int> profile;
  std::optional<std::filesystem::path> from;
  bool trace = false;
};

// Picks the record to write as the window program would: a profile switch or
// an import replaces the current one first.
bool ChooseRecord(Context& context, const ApplyOptions& options) {
  if (!context.LoadData()) {
    return false;
  }
  ProgramState& state = context.State();
  if (options.profile && !context.SwitchProfile(*options.profile)) {
    return false;
  }
  if (options.from) {
    ImportedProfile imported = ReadImportedProfile(*options.from, state.files());
    state.Tell(imported.outcome);
    if (!imported.record) {
      return false;
    }
    state.profileFiles().Current() = *imported.record;
  }
  return true;
}

int Apply(Context& context, const ApplyOptions& options) {
  if (!ChooseRecord(context, options)) {
    return kExitFailure;
  }
  ProgramState& state = context.State();
  // Only a profile the user has, checked whole, ever reaches the mouse.
  if (!options.from && !state.profileTable().CurrentIsStored()) {
    context.err << "n63kctl: the current profile could be neither read nor created; nothing "
                   "was sent\n";
    return kExitFailure;
  }
  if (const ProfileCheck check = ValidateProfile(RecordBytes(state.profileFiles().Current()));
      !check.valid()) {
    context.err << "n63kctl: the current profile is not valid (" << check.description
                << "); nothing was sent\n";
    return kExitFailure;
  }
  CliDevice device(context, options.trace);
  if (!device.Open()) {
    return kExitFailure;
  }
  SyncOutcomeWaiter waiter;
  std::optional<SyncFailure> failure;
  {
    SyncWorker worker(device.link(), device.pointer(), state.mouseWatchList(), waiter);
    if (TracedDevice* traced = device.traced()) {
      worker.SetRefusalNotes([traced](std::string_view command) { traced->TraceRefusal(command); });
    }
    worker.Start();
    ProfileSnapshot snapshot =
        TakeSnapshot(state.profileFiles().Current(), state.buttonMacroIds(), state.macroTable());
    TellMissingMacros(snapshot, state.messages(), state.localisation());
    worker.RequestSync(std::move(snapshot));
    failure = waiter.Wait();
  }
  int status = kExitOk;
  if (failure) {
    context.err << SyncFailureText(*failure, state.localisation().chineseUi);
    status = kExitFailure;
  } else {
    const Outcome saved = state.profileTable().SaveProfileTable();
    state.Tell(saved);
    if (!saved.ok()) {
      status = kExitFailure;
    }
  }
  if (const SimulatedMouse* simulated = device.simulated()) {
    simulated->Print(context.out);
  }
  return status;
}

}  // namespace

void AddApplyCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("apply", "Write the current profile to the mouse and save it");
  auto options = std::make_shared<ApplyOptions>();
  auto* profile = command->add_option("--profile", options->profile, "Switch to profile N first")
                      ->check(CLI::Range(1, kProfileCount));
  command->add_option("--from", options->from, "Write this profile file instead")
      ->excludes(profile);
  command->add_flag("--trace", options->trace, "Print every transfer as it happens");
  command->callback([&context, &status, options] {
    // --profile before the command means the same as after it, as for show.
    if (!options->profile && context.profile != 0) {
      if (options->from) {
        context.err << "n63kctl: --profile excludes --from\n";
        status = kExitUsage;
        return;
      }
      options->profile = context.profile;
    }
    status = Apply(context, *options);
  });
}

}  // namespace n63k::cli
