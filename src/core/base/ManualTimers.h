#pragma once

#include <cstdint>
#include <map>

#include "core/base/Clock.h"
#include "core/base/Timers.h"

namespace n63k {

// Timers on a virtual clock: time passes only in Advance, which fires every
// timer that falls due, in time order, moving the clock to each firing.
class ManualTimers final : public Timers {
 public:
  explicit ManualTimers(VirtualClock& clock) : clock_(clock) {}

  Id Start(std::uint32_t periodMs, std::function<void()> fire) override;
  void Stop(Id id) override;

  void Advance(std::uint64_t ms);
  bool Running(Id id) const { return timers_.contains(id); }
  std::size_t RunningCount() const { return timers_.size(); }

 private:
  struct Timer {
    std::uint32_t periodMs;
    std::uint64_t dueMs;
    std::function<void()> fire;
  };

  VirtualClock& clock_;
  std::map<Id, Timer> timers_;
  Id nextId_ = 1;
};

}  // namespace n63k
