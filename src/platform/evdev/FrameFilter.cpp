#include "platform/evdev/FrameFilter.h"

#include <cstdlib>

#include "core/buttons/MouseInput.h"

namespace n63k::platform {
namespace {

// Press messages and data words in the order of kMouseButtonCodes; a release
// is its press message plus one.
constexpr std::uint32_t kPressMessages[] = {mouse_message::kLeftDown, mouse_message::kRightDown,
                                            mouse_message::kMiddleDown, mouse_message::kExtraDown,
                                            mouse_message::kExtraDown};
constexpr std::uint32_t kButtonData[] = {0, 0, 0, kBackButtonData, kForwardButtonData};
static_assert(std::size(kPressMessages) == std::size(kMouseButtonCodes));

constexpr std::int32_t kHiResPerNotch = 120;
constexpr std::int16_t kNotchDelta = 120;

int ButtonIndex(std::uint16_t code) {
  for (std::size_t i = 0; i < std::size(kMouseButtonCodes); ++i) {
    if (kMouseButtonCodes[i] == code) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool IsWheel(const input_event& event) {
  return event.type == EV_REL && (event.code == REL_WHEEL || event.code == REL_WHEEL_HI_RES);
}

std::uint32_t WheelData(std::int16_t delta) {
  return static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
}

}  // namespace

FrameFilter::FrameFilter(InputHooks& hooks, const MouseWatchList& watchList,
                         RelativeMotionTravel& travel, bool wheelNotches)
    : hooks_(hooks), watchList_(watchList), travel_(travel), wheelNotches_(wheelNotches) {}

void FrameFilter::Take(const input_event& event, CloneDevice* clone) {
  if (event.type == EV_SYN) {
    if (event.code == SYN_DROPPED) {
      // The kernel lost events: what this frame holds is incomplete, and
      // everything up to the next report belongs to the lost stretch.
      dropping_ = true;
      frameSize_ = 0;
    } else if (event.code == SYN_REPORT) {
      if (dropping_) {
        dropping_ = false;
        resyncNeeded_ = true;
      } else {
        EndFrame(clone);
      }
    }
    return;
  }
  if (!dropping_) {
    Append(event, clone);
  }
}

void FrameFilter::Resync(std::uint32_t held, CloneDevice* clone) {
  resyncNeeded_ = false;
  hiResRemainder_ = 0;
  for (std::size_t i = 0; i < std::size(kMouseButtonCodes); ++i) {
    const std::uint32_t bit = 1U << i;
    if (((held ^ held_) & bit) != 0) {
      input_event event{};
      event.type = EV_KEY;
      event.code = kMouseButtonCodes[i];
      event.value = (held & bit) != 0 ? 1 : 0;
      Append(event, clone);
    }
  }
  if (frameSize_ != 0) {
    EndFrame(clone);
  }
}

void FrameFilter::Append(const input_event& event, CloneDevice* clone) {
  // A frame longer than any mouse sends is carried on in parts rather than lost.
  if (frameSize_ == kFrameCapacity) {
    EndFrame(clone);
  }
  frame_[frameSize_++] = event;
}

void FrameFilter::EndFrame(CloneDevice* clone) {
  std::uint64_t motion = 0;
  std::int32_t lowRes = 0;
  std::int32_t hiRes = 0;
  for (std::size_t i = 0; i < frameSize_; ++i) {
    const input_event& event = frame_[i];
    if (event.type != EV_REL) {
      continue;
    }
    if (event.code == REL_X || event.code == REL_Y) {
      motion += static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(event.value)));
    } else if (event.code == REL_WHEEL) {
      lowRes += event.value;
    } else if (event.code == REL_WHEEL_HI_RES) {
      hiRes += event.value;
    }
  }
  if (motion != 0) {
    travel_.Add(motion);
  }
  const int notches = wheelNotches_ ? lowRes : HiResNotches(hiRes);
  const int direction = lowRes != 0 ? lowRes : hiRes;

  bool wheelSeen = false;
  bool wheelSwallowed = false;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < frameSize_; ++i) {
    const input_event& event = frame_[i];
    bool swallowed = false;
    if (event.type == EV_KEY) {
      if (const int button = ButtonIndex(event.code); button >= 0) {
        swallowed = ReportButton(static_cast<std::size_t>(button), event.value);
      }
    } else if (IsWheel(event)) {
      if (!wheelSeen) {
        wheelSeen = true;
        wheelSwallowed = ReportWheel(notches, direction);
      }
      swallowed = wheelSwallowed;
    }
    if (!swallowed) {
      frame_[kept++] = event;
    }
  }
  frameSize_ = 0;
  if (clone == nullptr || kept == 0) {
    return;
  }
  input_event report{};
  report.type = EV_SYN;
  report.code = SYN_REPORT;
  frame_[kept++] = report;
  if (!clone->Write(frame_.data(), kept)) {
    cloneFailed_ = true;
  }
}

int FrameFilter::HiResNotches(std::int32_t hiRes) {
  if (hiRes == 0) {
    return 0;
  }
  // Turning the wheel back starts a new notch.
  if ((hiRes > 0) != (hiResRemainder_ > 0) && hiResRemainder_ != 0) {
    hiResRemainder_ = 0;
  }
  hiResRemainder_ += hiRes;
  const std::int32_t notches = hiResRemainder_ / kHiResPerNotch;
  hiResRemainder_ -= notches * kHiResPerNotch;
  return notches;
}

bool FrameFilter::ReportWheel(int notches, int direction) {
  if (notches == 0) {
    // Part of a notch in a watched direction must not scroll either.
    if (direction == 0) {
      return false;
    }
    return watchList_.IsWatched(direction > 0 ? mouse_identity::kWheelForward
                                              : mouse_identity::kWheelBackward);
  }
  const std::int16_t delta = notches > 0 ? kNotchDelta : static_cast<std::int16_t>(-kNotchDelta);
  bool swallowed = false;
  for (int i = 0; i < std::abs(notches); ++i) {
    swallowed |= hooks_.OnMouse(MouseEvent{mouse_message::kWheel, WheelData(delta)});
  }
  return swallowed;
}

bool FrameFilter::ReportButton(std::size_t button, std::int32_t value) {
  const std::uint32_t bit = 1U << button;
  std::uint32_t message = kPressMessages[button];
  if (value == 1) {
    held_ |= bit;
  } else if (value == 0) {
    held_ &= ~bit;
    message += 1;
  } else {
    return false;
  }
  return hooks_.OnMouse(MouseEvent{message, kButtonData[button]});
}

}  // namespace n63k::platform
