#pragma once

#include <cstdint>
#include <functional>

namespace n63k {

// The timers of the windows: each fires on the window thread every period
// until it is stopped. Windows use Qt's timers; tests use ManualTimers and
// decide when time passes.
class Timers {
 public:
  using Id = int;
  virtual ~Timers() = default;
  // Starts a timer; the id is never 0 and never reused while it runs.
  virtual Id Start(std::uint32_t periodMs, std::function<void()> fire) = 0;
  // Stopping a stopped or unknown timer does nothing; a timer may stop itself
  // while it fires.
  virtual void Stop(Id id) = 0;
};

}  // namespace n63k
