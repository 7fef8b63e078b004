#pragma once

#include <string>

#include "core/buttons/MouseWatchList.h"

namespace n63k {

// What the session lets the program do with the mouse's input.
enum class InputReach {
  kSwallows,      // sees every press and keeps watched ones from other programs
  kObservesOnly,  // sees every press, but other programs get the watched ones too
  kNone,          // sees no press outside its own window
};

// The status line's word on why a control set to a PC action does not work
// as it should on this session: said once per run, the first time a profile
// with a PC action is in use.
class InputNotice {
 public:
  explicit InputNotice(InputReach reach) : reach_(reach) {}

  // The text to show now, or empty.
  std::string Check(const MouseWatchList& watchList, bool chineseUi);

 private:
  InputReach reach_;
  bool told_ = false;
};

}  // namespace n63k
