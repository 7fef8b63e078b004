#include <gtest/gtest.h>

#include <csignal>

#include "platform/QtEventLoop.h"
#include "platform/ShutdownSignals.h"

namespace n63k {
namespace {

TEST(ShutdownSignals, TermAndIntReachTheEventLoopOnce) {
  test::EventLoopApplication();
  int requests = 0;
  ShutdownSignals shutdown([&requests] { ++requests; });
  ASSERT_TRUE(shutdown.active());
  ASSERT_EQ(std::raise(SIGTERM), 0);
  ASSERT_EQ(std::raise(SIGINT), 0);
  // Not from inside the handler: only the event loop runs the shut-down.
  EXPECT_EQ(requests, 0);
  EXPECT_TRUE(test::RunEventsUntil([&requests] { return requests > 0; }));
  test::RunEventsUntil([] { return false; }, 200);
  EXPECT_EQ(requests, 1);
}

extern "C" void NoteSignal(int) {}

TEST(ShutdownSignals, TheEndPutsThePreviousHandlersBackAndAllowsAnotherObject) {
  test::EventLoopApplication();
  struct sigaction own {};
  own.sa_handler = NoteSignal;
  sigemptyset(&own.sa_mask);
  struct sigaction before {};
  ASSERT_EQ(::sigaction(SIGTERM, &own, &before), 0);
  {
    ShutdownSignals shutdown([] {});
    EXPECT_TRUE(shutdown.active());
    EXPECT_FALSE(ShutdownSignals([] {}).active());
  }
  struct sigaction now {};
  ::sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, &NoteSignal);
  ::sigaction(SIGTERM, &before, nullptr);
  EXPECT_TRUE(ShutdownSignals([] {}).active());
}

}  // namespace
}  // namespace n63k
