#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// What another program (the command-line tool) changed in the data folder
// while the window runs, told apart from the window's own saves: the files
// are compared with what the window last knew of them and with what it holds
// in memory.
class OutsideChanges {
 public:
  OutsideChanges(ProfileTable& table, ProfileFiles& profiles, MacroTable& macros,
                 std::filesystem::path macroFile, FileAccess& files);

  // The files as they are now become what the window knows of them: after
  // the start-up's loads, and after the window saved over a change.
  void Remember();

  struct Found {
    bool profiles = false;  // the table or the current profile changed outside
    bool macros = false;    // the macro file changed outside
    // The window holds a change of its own to the profiles that is not saved
    // yet (an edit of the current profile, another profile selected).
    bool unsavedHere = false;
  };
  // Reads the files. Changes that need no decision (the window's own saves,
  // profiles that are not current) are taken as known at once.
  Found Look();

  // The profiles as the files hold them now, replacing what the window holds.
  Outcome TakeProfiles();
  // The macro table as its file holds it now.
  void TakeMacros();
  // The window keeps its own profiles; the change outside is known from now
  // on, so that it is not reported again. The window's next save replaces it.
  void KeepOwnProfiles();

 private:
  using Bytes = std::vector<std::uint8_t>;
  void RememberProfiles();
  std::optional<Bytes> Read(const std::filesystem::path& path, std::size_t size);
  bool TableDiffers(const Bytes& a, const ProfileTableEntries& b) const;

  ProfileTable& table_;
  ProfileFiles& profiles_;
  MacroTable& macros_;
  std::filesystem::path macroFile_;
  FileAccess& files_;
  // What the window last knew of each file; empty when it could not be read.
  Bytes knownTable_;
  std::array<Bytes, kProfileCount> knownProfiles_;
  Bytes knownMacros_;
  // The macro file as Look() found it changed, until it is taken.
  Bytes seenMacros_;
};

// Asked when another program changed the profiles while the window holds
// changes of its own that are not saved: OK takes the other program's.
std::string OutsideChangeQuestion(int profile, bool chineseUi);
// Told when a write to the mouse saved the window's profiles over a change
// that another program made while the write ran.
std::string_view SavedOverOutsideChangeText(bool chineseUi);

}  // namespace n63k
