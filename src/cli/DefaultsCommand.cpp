#include <filesystem>
#include <memory>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "core/app/DefaultDataFiles.h"

namespace n63k::cli {

void AddDefaultsCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("defaults", "Write the program folder's default data files");
  struct Options {
    std::filesystem::path outDir;
    bool chinese = false;
  };
  auto options = std::make_shared<Options>();
  command->add_option("OUTDIR", options->outDir, "Folder to write into")->required();
  command->add_flag("--chinese", options->chinese, "Chinese captions and language");
  command->callback([&context, &status, options] {
    const auto failed = WriteDefaultDataFiles(options->outDir, options->chinese, SystemFiles());
    if (failed) {
      context.err << "n63kctl: cannot write " << failed->path.string() << ": "
                  << FileErrorText(failed->error) << "; no file was written\n";
    }
    status = failed ? kExitFailure : kExitOk;
  });
}

}  // namespace n63k::cli
