#include "core/base/ManualResetEvent.h"

namespace n63k {

void ManualResetEvent::Set() {
  {
    const std::lock_guard lock(mutex_);
    set_ = true;
  }
  changed_.notify_all();
}

void ManualResetEvent::Reset() {
  const std::lock_guard lock(mutex_);
  set_ = false;
}

void ManualResetEvent::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return set_; });
}

}  // namespace n63k
