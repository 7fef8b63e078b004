#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/UserMessages.h"

namespace n63k {

// Starts other programs for the hand-offs; the platform starts them detached,
// tests record what was asked.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // True when `program` started; its exit is never observed.
  virtual bool Start(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments) = 0;
};

// Below the program folder.
inline constexpr char kFlasherProgram[] = "FWUpdate/BuringFW";
inline constexpr char kUpdaterProgram[] = "korvu_update/KorvuUpdate";

// What the info box says when the flasher cannot be started.
std::string_view FlasherMissingText(bool chineseUi);

// Hands the mouse to the flasher, which learns the interface language from
// its first argument: "1" Chinese, "0" otherwise, and the firmware image to
// write from the second, when the update check downloaded one. When the
// flasher is not there
// or does not start, the user is told instead of being left waiting, and the
// result is false; the caller ends the program either way or goes on as it
// decides.
bool StartFlasher(const std::filesystem::path& programFolder, bool chineseUi,
                  ProgramStarter& starter, UserMessages& messages,
                  const std::filesystem::path& image = {});

// Starts the maker's updater without arguments; a missing or failing updater
// changes nothing.
void StartUpdater(const std::filesystem::path& programFolder, ProgramStarter& starter);

}  // namespace n63k
