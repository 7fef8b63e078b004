#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/base/Timers.h"
#include "core/device/HidTransport.h"

namespace n63k {

// The pauses between the tries to open the mouse after it was plugged in. The
// first try is at once; quick tries at first, since the system may grant
// access to the new device node a moment after it appears, then slower ones
// for a mouse that takes its time to start. Ten tries over 14.5 s.
inline constexpr std::array<std::uint32_t, 9> kArrivalRetryPausesMs = {500,  500,  500,  500, 2500,
                                                                       2500, 2500, 2500, 2500};

// Opens the mouse after it arrived without blocking the window: each try runs
// from a timer, the tries are bounded, and they stop at once when the mouse
// goes away again.
class ArrivalRetry {
 public:
  struct Callbacks {
    std::function<OpenResult()> open;
    std::function<void()> opened;
    // With the last try's result, so the user can be told why.
    std::function<void(OpenResult)> gaveUp;
  };

  ArrivalRetry(Timers& timers, Callbacks callbacks)
      : timers_(timers), callbacks_(std::move(callbacks)) {}
  ArrivalRetry(const ArrivalRetry&) = delete;
  ArrivalRetry& operator=(const ArrivalRetry&) = delete;
  ~ArrivalRetry() { timers_.Stop(timer_); }

  // Starts the tries. While they run, or once the mouse was opened, a further
  // arrival (another interface of the same mouse) changes nothing.
  void Arrived();
  // Stops the tries at once, without a callback; the next arrival starts
  // afresh.
  void Removed();

  bool Trying() const { return timer_ != 0; }

 private:
  void Try();

  Timers& timers_;
  Callbacks callbacks_;
  Timers::Id timer_ = 0;
  std::size_t pauses_ = 0;
  bool active_ = false;
};

}  // namespace n63k
