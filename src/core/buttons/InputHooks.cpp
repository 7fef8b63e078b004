#include "core/buttons/InputHooks.h"

namespace n63k {

void InputHooks::SetMainWindow(InputReceiver* window) {
  const bool before = PageCapturesKeys();
  mainWindow_.store(window);
  target_.store(window);
  NotifyKeyCapture(before);
}

void InputHooks::SetCaptureTarget(InputReceiver* window) {
  const bool before = PageCapturesKeys();
  target_.store(window);
  NotifyKeyCapture(before);
}

void InputHooks::SetInputCapture(bool keys, bool mouse) {
  const bool before = PageCapturesKeys();
  keyCapture_.store(keys);
  mouseCapture_.store(mouse);
  if (!keys && !mouse) {
    target_.store(mainWindow_.load());
  }
  NotifyKeyCapture(before);
}

bool InputHooks::PageCapturesKeys() const {
  InputReceiver* target = target_.load();
  return keyCapture_.load() && target != nullptr && target != mainWindow_.load();
}

void InputHooks::NotifyKeyCapture(bool before) {
  const bool now = PageCapturesKeys();
  if (now != before && listener_) {
    listener_(now);
  }
}

void InputHooks::OnKey(std::uint32_t virtualKey, std::uint32_t flags) {
  InputReceiver* target = target_.load();
  if (keyCapture_.load() && target != nullptr) {
    target->CapturedInput(virtualKey, flags);
  }
}

bool InputHooks::OnMouse(const MouseEvent& event) {
  // Presses go to the main window even while a page holds the capture: the
  // capturing pages want keys only, and the user expects a control's action
  // to run and its clicks to count whichever page is open.
  InputReceiver* window = mainWindow_.load();
  if (const std::optional<std::uint32_t> identity = MouseIdentity(event)) {
    if (watchList_.IsWatched(*identity)) {
      if (window != nullptr) {
        window->PcAction(*identity);
      }
      if (event.message != mouse_message::kWheel) {
        pendingRelease_ = event.message + 1;
        pendingButton_ = event.data & 0xFFFF0000U;
      }
      return true;
    }
    if (clickNotify_.load() && window != nullptr) {
      window->PcAction(*identity);
    }
  }
  if (pendingRelease_ != 0 && event.message == pendingRelease_ &&
      (event.data & 0xFFFF0000U) == pendingButton_) {
    pendingRelease_ = 0;
    return true;
  }
  // Mouse events under mouse capture reach only the main window, which has no
  // use for them, so they are not forwarded at all.
  return false;
}

}  // namespace n63k
