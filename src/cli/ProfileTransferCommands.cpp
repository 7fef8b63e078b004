#include <memory>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/ProfileEdit.h"
#include "core/pages/ProfileTransfer.h"

namespace n63k::cli {
namespace {

void Report(Context& context, const TransferResult& result) {
  if (result.ok) {
    context.out << result.message << '\n';
    return;
  }
  context.err << result.message << '\n';
  if (!result.detail.empty()) {
    context.err << "n63kctl: " << result.detail << '\n';
  }
}

int Export(Context& context, const std::filesystem::path& file) {
  if (!context.LoadData()) {
    return kExitFailure;
  }
  ProgramState& state = context.State();
  if (context.profile != 0 && !context.SwitchProfile(context.profile)) {
    return kExitFailure;
  }
  const TransferResult result = ExportProfile(file, state.profileFiles().Current(), state.files());
  Report(context, result);
  return result.ok ? kExitOk : kExitFailure;
}

}  // namespace

void AddProfileTransferCommands(CLI::App& app, Context& context, int& status) {
  auto file = std::make_shared<std::string>();
  auto* exportCommand =
      app.add_subcommand("export", "Write the current profile to FILE, as the support page does");
  exportCommand->add_option("FILE", *file, "The profile file to write")->required();
  exportCommand->callback([&context, &status, file] { status = Export(context, *file); });

  auto* importCommand = app.add_subcommand(
      "import", "Take FILE as the current profile, as the support page does, and save it");
  importCommand->add_option("FILE", *file, "The profile file to read")->required();
  importCommand->callback([&context, &status, file] {
    std::optional<TransferResult> result;
    EditProfile(context, status, [&](ProgramState& state) {
      result = ImportProfile(*file, state.profileFiles().Current(), state.files());
      Report(context, *result);
      return result->ok;
    });
  });
}

}  // namespace n63k::cli
