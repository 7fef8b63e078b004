#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "core/buttons/MouseInput.h"
#include "core/buttons/MouseWatchList.h"

namespace n63k {

// Key event flags as captured input carries them.
namespace key_flag {
inline constexpr std::uint32_t kExtended = 0x01;
inline constexpr std::uint32_t kInjected = 0x10;
inline constexpr std::uint32_t kAltDown = 0x20;
inline constexpr std::uint32_t kRelease = 0x80;
}  // namespace key_flag

// A window that receives what the input hooks report.
class InputReceiver {
 public:
  virtual ~InputReceiver() = default;
  // A key event while keyboard capture is on: its virtual-key code and flags.
  // Called on the window's thread, which delivered our own key event.
  virtual void CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) = 0;
  // A press or notch that is watched, or any press or notch while click
  // notification is on: its mouse input identity. Only the main window
  // receives these, on the mouse backend's thread: the receiver only queues
  // the report for its window and returns at once, without allocating.
  virtual void PcAction(std::uint32_t identity) = 0;
};

// The program's one input hook: decides, for every key and mouse event that a
// platform backend delivers, what is reported to whom and whether the event is
// swallowed. It only looks up and reports; receivers do the work later.
//
// Mouse events come from one backend thread at a time; key events, the
// switches and the target from the window's thread. The switches and target
// are atomics so that the backend thread always sees a whole value.
class InputHooks {
 public:
  explicit InputHooks(const MouseWatchList& watchList) : watchList_(watchList) {}

  // The main window becomes the capture target and the window that the
  // target falls back to.
  void SetMainWindow(InputReceiver* window);
  void SetClickNotify(bool on) { clickNotify_.store(on); }
  void SetCaptureTarget(InputReceiver* window);
  // Both off hands the target back to the main window.
  void SetInputCapture(bool keys, bool mouse);

  // A key event of our own focused window. Keys are never swallowed.
  void OnKey(std::uint32_t virtualKey, std::uint32_t flags);
  // True when the event must not reach any application.
  bool OnMouse(const MouseEvent& event);

  // A mouse device was lost or replaced: a release still to be swallowed
  // belongs to a press that can no longer end.
  void ForgetPendingRelease() { pendingRelease_ = 0; }

  // Whether a release is still to be swallowed (a watched button is held).
  bool releasePending() const { return pendingRelease_ != 0; }

  // Whether a page, not the main window, takes the keys now.
  bool PageCapturesKeys() const;
  // Called on the window thread each time PageCapturesKeys changes, so that
  // the window can hold the keyboard while a page captures.
  void SetKeyCaptureListener(std::function<void(bool pageCaptures)> listener) {
    listener_ = std::move(listener);
  }

  bool keyCapture() const { return keyCapture_.load(); }
  bool mouseCapture() const { return mouseCapture_.load(); }
  InputReceiver* captureTarget() const { return target_.load(); }

 private:
  void NotifyKeyCapture(bool before);

  const MouseWatchList& watchList_;
  std::atomic<InputReceiver*> mainWindow_{nullptr};
  std::atomic<InputReceiver*> target_{nullptr};
  std::atomic<bool> keyCapture_{true};
  std::atomic<bool> mouseCapture_{true};
  std::atomic<bool> clickNotify_{false};
  std::function<void(bool)> listener_;
  // Touched only by the mouse backend's thread. The side buttons share one
  // release message, so the button's number is kept too: another side
  // button's release must not be taken for it, or that button would stick.
  std::uint32_t pendingRelease_ = 0;
  std::uint32_t pendingButton_ = 0;
};

}  // namespace n63k
