#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace n63k {

// The three pointer values of a profile, as the trace and the button page
// name them.
enum class PointerSetting { kPrecision, kSpeed, kLines };

// "precision", "speed" or "lines".
std::string_view PointerSettingName(PointerSetting setting);

// What applying the pointer settings did on the desktop: each write in the
// order made, and each value that reached nothing, with the reason. The trace
// prints it; the button page's hint shows the values left out.
struct PointerReport {
  struct Write {
    PointerSetting setting;
    std::string target;  // what was written, in the desktop's own names
    std::string value;   // as written
    std::string error;   // empty when the desktop took it
  };
  struct Shortfall {
    PointerSetting setting;
    std::string reason;
  };

  void Set(PointerSetting setting, std::string target, std::string value);
  void Failed(PointerSetting setting, std::string target, std::string value, std::string error);
  void NotApplied(PointerSetting setting, std::string reason);

  // Some write of the setting was taken.
  bool Applied(PointerSetting setting) const;
  // The setting is among those that reached nothing.
  bool Missed(PointerSetting setting) const;

  std::string backend;  // empty from settings that keep no account
  std::vector<Write> writes;
  std::vector<Shortfall> notApplied;
};

}  // namespace n63k
