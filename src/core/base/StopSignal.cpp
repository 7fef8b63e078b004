#include "core/base/StopSignal.h"

#include <chrono>

namespace n63k {

void StopSignal::Request() {
  {
    const std::lock_guard lock(mutex_);
    requested_ = true;
  }
  changed_.notify_all();
}

void StopSignal::Clear() {
  const std::lock_guard lock(mutex_);
  requested_ = false;
}

bool StopSignal::Requested() const {
  const std::lock_guard lock(mutex_);
  return requested_;
}

bool StopSignal::WaitMs(std::uint32_t ms) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return requested_; });
}

}  // namespace n63k
