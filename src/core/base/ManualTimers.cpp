#include "core/base/ManualTimers.h"

#include <algorithm>
#include <utility>

namespace n63k {

Timers::Id ManualTimers::Start(std::uint32_t periodMs, std::function<void()> fire) {
  const Id id = nextId_++;
  timers_[id] =
      Timer{std::max<std::uint32_t>(periodMs, 1), clock_.NowMs() + periodMs, std::move(fire)};
  return id;
}

void ManualTimers::Stop(Id id) {
  timers_.erase(id);
}

void ManualTimers::Advance(std::uint64_t ms) {
  const std::uint64_t end = clock_.NowMs() + ms;
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return a.second.dueMs < b.second.dueMs;
    });
    if (next == timers_.end() || next->second.dueMs > end) {
      break;
    }
    clock_.Advance(next->second.dueMs - clock_.NowMs());
    next->second.dueMs += next->second.periodMs;
    // A copy, since the timer may stop itself (and so be erased) while firing.
    const std::function<void()> fire = next->second.fire;
    fire();
  }
  clock_.Advance(end - clock_.NowMs());
}

}  // namespace n63k
