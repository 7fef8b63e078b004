#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"

namespace n63k::cli {

void AddProfilesCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("profiles", "List the five profiles of the profile table");
  command->callback([&context, &status] {
    if (!context.LoadData()) {
      status = kExitFailure;
      return;
    }
    ProfileTable& table = context.State().profileTable();
    for (int i = 0; i < kProfileCount; ++i) {
      const ProfileTableEntry& entry = table.Entries()[static_cast<std::size_t>(i)];
      context.out << (i + 1) << ' ' << (entry.entryMagic == kEntryMagic ? "valid" : "invalid")
                  << ' ' << (entry.selected != 0 ? "selected" : "unselected") << ' '
                  << (table.CurrentIndex() == i ? "current" : "-") << " macros";
      for (const std::uint32_t id : entry.macroIds) {
        context.out << ' ' << Hex32(id);
      }
      context.out << '\n';
    }
    status = kExitOk;
  });
}

}  // namespace n63k::cli
