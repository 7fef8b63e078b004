#include <memory>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "cli/JsonOutput.h"

namespace n63k::cli {
namespace {

Json TableJson(const ProfileTable& table) {
  Json profiles = Json::array();
  for (int i = 0; i < kProfileCount; ++i) {
    const ProfileTableEntry& entry = table.Entries()[static_cast<std::size_t>(i)];
    Json macroIds = Json::array();
    for (const std::uint32_t id : entry.macroIds) {
      macroIds.push_back(id);
    }
    profiles.push_back({{"number", i + 1},
                        {"valid", entry.entryMagic == kEntryMagic},
                        {"selected", entry.selected != 0},
                        {"current", table.CurrentIndex() == i},
                        {"macroIds", macroIds}});
  }
  return {{"current", table.CurrentIndex() + 1}, {"profiles", profiles}};
}

}  // namespace

void AddProfilesCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("profiles", "List the five profiles of the profile table");
  auto json = std::make_shared<bool>(false);
  command->add_flag("--json", *json, "One JSON document instead of text");
  command->callback([&context, &status, json] {
    if (!context.LoadData()) {
      status = kExitFailure;
      return;
    }
    ProfileTable& table = context.State().profileTable();
    if (*json) {
      PrintJson(context.out, TableJson(table));
      status = kExitOk;
      return;
    }
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
