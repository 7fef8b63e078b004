#pragma once

#include <linux/input.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/buttons/InputHooks.h"
#include "core/buttons/MouseWatchList.h"
#include "platform/evdev/EvdevKernel.h"
#include "platform/evdev/RelativeMotionTravel.h"

namespace n63k::platform {

// What one event node's events mean to the input hooks: frames are gathered
// up to SYN_REPORT, their presses and wheel notches handed to the hooks, and
// what the hooks do not swallow is written on to the clone, in frame order.
class FrameFilter {
 public:
  // wheelNotches: the node reports REL_WHEEL, so hi-res units are only
  // carried on; without it, 120 hi-res units make a notch.
  FrameFilter(InputHooks& hooks, const MouseWatchList& watchList, RelativeMotionTravel& travel,
              bool wheelNotches);

  // clone: where the frame goes on while the node is grabbed; none while the
  // node is only observed.
  void Take(const input_event& event, CloneDevice* clone);

  // The buttons held when the node was opened, whose presses nobody saw.
  void AssumeHeld(std::uint32_t held) { held_ = held; }

  // After SYN_DROPPED the node's state must be read again before going on.
  bool resyncNeeded() const { return resyncNeeded_; }
  // The buttons held now (bits of kMouseButtonCodes), as the kernel says:
  // what changed unseen is handed on as one frame.
  void Resync(std::uint32_t held, CloneDevice* clone);

  // No button is held, so the node may be grabbed or released without
  // leaving a button down anywhere.
  bool idle() const { return held_ == 0; }

  // The clone refused a frame since the last call: the node must not stay
  // grabbed, or the mouse would go dead.
  bool TakeCloneFailure() {
    const bool failed = cloneFailed_;
    cloneFailed_ = false;
    return failed;
  }

 private:
  static constexpr std::size_t kFrameCapacity = 64;

  void Append(const input_event& event, CloneDevice* clone);
  void EndFrame(CloneDevice* clone);
  int HiResNotches(std::int32_t hiRes);
  bool ReportWheel(int notches, int direction);
  bool ReportButton(std::size_t button, std::int32_t value);

  InputHooks& hooks_;
  const MouseWatchList& watchList_;
  RelativeMotionTravel& travel_;
  const bool wheelNotches_;
  std::array<input_event, kFrameCapacity + 1> frame_{};  // room for the closing SYN_REPORT
  std::size_t frameSize_ = 0;
  std::uint32_t held_ = 0;
  std::int32_t hiResRemainder_ = 0;
  bool dropping_ = false;
  bool resyncNeeded_ = false;
  bool cloneFailed_ = false;
};

}  // namespace n63k::platform
