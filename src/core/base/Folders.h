#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "core/base/SystemPaths.h"

namespace n63k {

// The program folder holds the defaults, skins and language files; the data
// folder holds what the user changes.
struct Folders {
  std::filesystem::path program;
  std::filesystem::path data;
};

// The data files, relative to either folder, in the order they are
// provisioned; the one list that provisioning, the defaults and the build use.
inline constexpr std::array<std::string_view, 9> kDataFiles = {
    "Macro.cfg",
    "Language.cfg",
    "Sts.cfg",
    "Profile/ConfigInfo.cfg",
    "Profile/Profile1.cfg",
    "Profile/Profile2.cfg",
    "Profile/Profile3.cfg",
    "Profile/Profile4.cfg",
    "Profile/Profile5.cfg",
};

// $XDG_DATA_HOME/KORVU/N63K, or ~/.local/share/KORVU/N63K without it.
std::filesystem::path DefaultDataFolder(const SystemPaths& system);

// The program folder and the default data folder.
Folders DefaultFolders(const SystemPaths& system);

}  // namespace n63k
