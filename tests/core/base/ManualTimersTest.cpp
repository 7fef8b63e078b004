#include <gtest/gtest.h>

#include <vector>

#include "core/base/ManualTimers.h"

namespace n63k {
namespace {

TEST(ManualTimers, FiresDueTimersInTimeOrderWithTheClockAtEachFiring) {
  VirtualClock clock(1000);
  ManualTimers timers(clock);
  std::vector<std::pair<char, std::uint64_t>> fired;
  timers.Start(300, [&] { fired.emplace_back('a', clock.NowMs()); });
  timers.Start(500, [&] { fired.emplace_back('b', clock.NowMs()); });
  timers.Advance(1000);
  const std::vector<std::pair<char, std::uint64_t>> expected = {
      {'a', 1300}, {'b', 1500}, {'a', 1600}, {'a', 1900}, {'b', 2000}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(clock.NowMs(), 2000u);
}

TEST(ManualTimers, ATimerThatStopsItselfFiresNoMore) {
  VirtualClock clock;
  ManualTimers timers(clock);
  int fired = 0;
  Timers::Id id = 0;
  id = timers.Start(100, [&] {
    ++fired;
    timers.Stop(id);
  });
  timers.Advance(1000);
  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(timers.Running(id));
}

TEST(ManualTimers, ATimerStartedWhileFiringCountsFromThatMoment) {
  VirtualClock clock;
  ManualTimers timers(clock);
  std::vector<std::uint64_t> fired;
  Timers::Id first = 0;
  first = timers.Start(100, [&] {
    timers.Stop(first);
    timers.Start(250, [&] { fired.push_back(clock.NowMs()); });
  });
  timers.Advance(600);
  EXPECT_EQ(fired, (std::vector<std::uint64_t>{350, 600}));
}

}  // namespace
}  // namespace n63k
