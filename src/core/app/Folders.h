#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace n63k {

// The program folder holds the defaults, skins and language files; the data
// folder holds what the user changes.
struct Folders {
  std::filesystem::path program;
  std::filesystem::path data;
};

// The data files, relative to either folder, in the order they are provisioned.
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

// The folder of the running executable.
std::filesystem::path RunningProgramFolder();

// $XDG_DATA_HOME/KORVU/N63K, or ~/.local/share/KORVU/N63K without it.
std::filesystem::path DefaultDataFolder();

// First-run provisioning: when the data folder does not exist, create it with
// its "Profile" folder and copy each data file from the program folder, never
// replacing a file. An existing data folder is left alone even when files are
// missing; their loaders report them. Failures are not reported.
void ProvisionDataFolder(const Folders& folders);

}  // namespace n63k
