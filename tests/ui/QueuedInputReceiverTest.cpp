#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <cstdint>
#include <thread>
#include <vector>

#include "ui/QueuedInputReceiver.h"

namespace n63k::ui {
namespace {

TEST(QueuedInputReceiver, ReportsFromAnotherThreadReachTheWindowThreadInOrder) {
  std::vector<std::uint32_t> seen;
  const QThread* windowThread = QThread::currentThread();
  bool onWindowThread = true;
  QueuedInputReceiver receiver([&](std::uint32_t identity) {
    onWindowThread = onWindowThread && QThread::currentThread() == windowThread;
    seen.push_back(identity);
  });
  std::thread backend([&receiver] {
    receiver.PcAction(0x204);
    receiver.CapturedInput(0x41, 0);
    receiver.PcAction(0x20A01);
  });
  backend.join();
  EXPECT_TRUE(seen.empty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == 2; }, 5000));
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{0x204, 0x20A01}));
  EXPECT_TRUE(onWindowThread);
}

TEST(QueuedInputReceiver, AWindowThatFallsBehindLosesOnlyWhatDoesNotFit) {
  std::vector<std::uint32_t> seen;
  QueuedInputReceiver receiver([&](std::uint32_t identity) { seen.push_back(identity); });
  const std::size_t sent = ReportRing::kCapacity + 5;
  for (std::size_t i = 0; i < sent; ++i) {
    receiver.PcAction(static_cast<std::uint32_t>(i));
  }
  EXPECT_EQ(receiver.dropped(), 5U);
  ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == ReportRing::kCapacity; }, 5000));
  EXPECT_EQ(seen.back(), ReportRing::kCapacity - 1);
  receiver.PcAction(0x201);
  ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == ReportRing::kCapacity + 1; }, 5000));
  EXPECT_EQ(seen.back(), 0x201U);
}

}  // namespace
}  // namespace n63k::ui
