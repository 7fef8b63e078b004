#include "core/base/Folders.h"

namespace n63k {

namespace fs = std::filesystem;

fs::path DefaultDataFolder(const SystemPaths& system) {
  fs::path base;
  if (const auto xdg = system.Variable("XDG_DATA_HOME"); xdg && !xdg->empty()) {
    base = *xdg;
  } else {
    const auto home = system.Variable("HOME");
    base = (home && !home->empty() ? fs::path(*home) : system.AccountHome()) / ".local/share";
  }
  return base / "KORVU" / "N63K";
}

Folders DefaultFolders(const SystemPaths& system) {
  return {system.ExecutableFolder(), DefaultDataFolder(system)};
}

}  // namespace n63k
