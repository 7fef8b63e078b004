#include "core/app/UpdaterLaunch.h"

namespace n63k {

void UpdaterLaunch::Arm(bool mouseOpened) {
  if (armed_ || !mouseOpened) {
    return;
  }
  armed_ = true;
  timer_ = timers_.Start(kUpdaterDelayMs, [this] {
    timers_.Stop(timer_);
    timer_ = 0;
    StartUpdater(programFolder_, starter_);
  });
}

}  // namespace n63k
