#pragma once

#include <string_view>

namespace n63k {

// Whether the desktop starts the program, in the tray, when the user logs in.
// Off until the user turns it on from the tray menu.
class LoginStart {
 public:
  virtual ~LoginStart() = default;
  virtual bool Enabled() const = 0;
  // False when the desktop's setting could not be changed.
  virtual bool SetEnabled(bool enabled) = 0;
};

// The tray menu's item that turns it on and off.
inline std::string_view LoginStartCaption(bool chineseUi) {
  return chineseUi ? "登录时启动" : "Start at login";
}
// Told when the setting could not be changed.
inline std::string_view LoginStartFailedText(bool chineseUi) {
  return chineseUi ? "无法更改登录时启动的设置。"
                   : "The program's start at login could not be changed.";
}

}  // namespace n63k
