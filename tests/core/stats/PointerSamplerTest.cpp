#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "core/stats/PointerSampler.h"

namespace n63k {
namespace {

// Travels 0, 5, 0, 5, ... pixels, one figure a call.
class SteppingTravel final : public PointerTravel {
 public:
  std::uint64_t TakeTravel() override { return (calls_++ % 2 == 1) ? 5 : 0; }

 private:
  std::atomic<int> calls_{0};
};

struct Reports {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::uint64_t> pixels;
  std::vector<std::uint64_t> times;

  void WaitFor(std::size_t count) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return pixels.size() >= count; });
  }
};

TEST(PointerSampler, ReportsTravelThatIsNotZeroEveryHalfSecond) {
  VirtualClock clock;
  SteppingTravel travel;
  Reports reports;
  PointerSampler sampler(travel, clock, [&](std::uint64_t pixels) {
    const std::lock_guard lock(reports.mutex);
    reports.pixels.push_back(pixels);
    reports.times.push_back(clock.NowMs());
    reports.changed.notify_all();
  });
  sampler.Start();
  reports.WaitFor(3);
  sampler.Stop();
  const std::lock_guard lock(reports.mutex);
  EXPECT_EQ(std::vector<std::uint64_t>(reports.pixels.begin(), reports.pixels.begin() + 3),
            (std::vector<std::uint64_t>{5, 5, 5}));
  EXPECT_EQ(std::vector<std::uint64_t>(reports.times.begin(), reports.times.begin() + 3),
            (std::vector<std::uint64_t>{500, 1500, 2500}));
}

TEST(PointerSampler, StopEndsThePauseAtOnceOnTheSystemClock) {
  // Without the wake-up this test would sit out the whole pause of an hour-long
  // clock; it finishes only because Stop() interrupts the sleep.
  class HourClock final : public Clock {
   public:
    std::uint64_t NowMs() const override { return system_.NowMs(); }
    void SleepMs(std::uint32_t) override { system_.SleepMs(3'600'000); }
    void SleepUnlessStopped(std::uint32_t, const StopSignal& stop) override {
      system_.SleepUnlessStopped(3'600'000, stop);
    }

   private:
    SystemClock system_;
  } clock;
  SteppingTravel travel;
  std::atomic<int> sampled{0};
  PointerSampler sampler(travel, clock, [&](std::uint64_t) { ++sampled; });
  sampler.Start();
  sampler.Stop();
  sampler.Stop();
  EXPECT_LE(sampled.load(), 1);
}

}  // namespace
}  // namespace n63k
