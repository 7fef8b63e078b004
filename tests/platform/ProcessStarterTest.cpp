#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QThread>

#include "platform/FakeProgram.h"
#include "platform/ProcessStarter.h"

namespace n63k {
namespace {

TEST(ProcessStarter, StartsTheProgramWithItsArgumentsAndSaysWhenItCannot) {
  test::TempDir dir;
  test::FakeProgram(dir, "BuringFW");
  ProcessStarter starter;
  ASSERT_TRUE(starter.Start(dir / "BuringFW", {"1"}));
  // Detached: the program runs on its own time.
  const QDeadlineTimer deadline(10000);
  while (test::Calls(dir).empty() && !deadline.hasExpired()) {
    QThread::msleep(20);
  }
  EXPECT_EQ(test::Calls(dir), "BuringFW 1\n");
  EXPECT_FALSE(starter.Start(dir / "missing", {}));
}

}  // namespace
}  // namespace n63k
