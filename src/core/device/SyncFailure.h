#pragma once

#include <string_view>

namespace n63k {

// Why a write of the profile to the mouse ended: the step that failed.
enum class SyncFailure {
  kKeyMatrix = 0,
  kLedColour = 1,
  kLedEffect = 2,
  kLedColours = 3,
  kProximity = 4,
  kDpi = 5,
  kStopped = 8,  // the program stopped the worker before the write ended
};

// The text shown for a failure; it ends with a line break. The stop, which
// the device link added, has a Chinese wording too.
std::string_view SyncFailureText(SyncFailure failure, bool chineseUi);

}  // namespace n63k
