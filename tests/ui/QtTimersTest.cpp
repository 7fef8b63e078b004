#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "ui/QtTimers.h"

namespace n63k::ui {
namespace {

TEST(QtTimers, FiresEveryPeriodUntilStoppedFromItsOwnCallback) {
  QtTimers timers;
  int fired = 0;
  Timers::Id id = 0;
  id = timers.Start(5, [&] {
    if (++fired == 3) {
      timers.Stop(id);
    }
  });
  QTest::qWait(100);
  EXPECT_EQ(fired, 3);
}

TEST(QtTimers, StoppingAnUnknownTimerDoesNothing) {
  QtTimers timers;
  timers.Stop(42);
  int fired = 0;
  const Timers::Id id = timers.Start(1, [&] { ++fired; });
  EXPECT_NE(id, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 1000));
}

}  // namespace
}  // namespace n63k::ui
