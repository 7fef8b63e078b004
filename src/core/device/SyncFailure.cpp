#include "core/device/SyncFailure.h"

namespace n63k {

std::string_view SyncFailureText(SyncFailure failure, bool chineseUi) {
  switch (failure) {
    case SyncFailure::kKeyMatrix:
      return "write mousekey metix fail.\n";
    case SyncFailure::kLedColour:
      return "Write mouse LED color failed.\n";
    case SyncFailure::kLedEffect:
      return "Write mouse effect failed.\n";
    case SyncFailure::kLedColours:
      return "Write LED color123 failed.\n";
    case SyncFailure::kProximity:
      return "Write mouse touch failed.\n";
    case SyncFailure::kDpi:
      return "Write mouse DPI failed.\n";
    case SyncFailure::kStopped:
      return chineseUi ? "写入鼠标未完成即被停止。\n"
                       : "Writing the mouse was stopped before it finished.\n";
  }
  return {};
}

}  // namespace n63k
