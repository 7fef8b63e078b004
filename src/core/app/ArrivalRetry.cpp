#include "core/app/ArrivalRetry.h"

namespace n63k {

void ArrivalRetry::Arrived() {
  if (active_) {
    return;
  }
  active_ = true;
  pauses_ = 0;
  Try();
}

void ArrivalRetry::Removed() {
  timers_.Stop(timer_);
  timer_ = 0;
  active_ = false;
}

void ArrivalRetry::Try() {
  timers_.Stop(timer_);
  timer_ = 0;
  const OpenResult result = callbacks_.open();
  if (result == OpenResult::kOpened) {
    callbacks_.opened();
    return;
  }
  if (pauses_ == kArrivalRetryPausesMs.size()) {
    active_ = false;
    callbacks_.gaveUp(result);
    return;
  }
  timer_ = timers_.Start(kArrivalRetryPausesMs[pauses_++], [this] { Try(); });
}

}  // namespace n63k
