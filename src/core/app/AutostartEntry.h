#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/base/SystemPaths.h"
#include "core/pages/LoginStart.h"

namespace n63k {

// $XDG_CONFIG_HOME/autostart/N63KDriver.desktop, ~/.config/autostart/...
// without it: where desktops look for what to start at login.
std::filesystem::path AutostartFile(const SystemPaths& system);

// The autostart entry that starts `program` in the tray.
std::string AutostartEntryText(const std::filesystem::path& program);

// A desktop entry's Exec argument: quoted, with the characters that the
// entry format reserves inside quotes escaped.
std::string ExecArgument(std::string_view argument);

// The start at login as an XDG autostart entry of the user's own. An entry
// that the desktop's settings turned off (Hidden, or GNOME's switch) counts
// as off; turning it on writes a fresh one.
class AutostartEntry final : public LoginStart {
 public:
  AutostartEntry(std::filesystem::path file, std::filesystem::path program);
  bool Enabled() const override;
  bool SetEnabled(bool enabled) override;

 private:
  std::filesystem::path file_;
  std::filesystem::path program_;
};

}  // namespace n63k
