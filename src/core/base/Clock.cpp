#include "core/base/Clock.h"

#include <chrono>
#include <thread>

namespace n63k {

std::uint64_t SystemClock::NowMs() const {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::SleepMs(std::uint32_t ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SystemClock::SleepUnlessStopped(std::uint32_t ms, const StopSignal& stop) {
  stop.WaitMs(ms);
}

}  // namespace n63k
