#include <gtest/gtest.h>

#include <vector>

#include "core/base/ManualTimers.h"
#include "core/pages/ProgressModel.h"

namespace n63k {
namespace {

struct ProgressFixture : ::testing::Test, ProgressObserver {
  VirtualClock clock;
  ManualTimers timers{clock};
  ProgressModel progress{timers, false};
  std::vector<int> painted;
  std::vector<std::uint64_t> closedAt;

  ProgressFixture() {
    progress.SetObserver(this);
    progress.Open();
    painted.clear();
  }
  void ProgressChanged() override { painted.push_back(progress.Percent()); }
  void Closed() override { closedAt.push_back(clock.NowMs()); }
};

using ProgressWindowRules = ProgressFixture;

TEST_F(ProgressWindowRules, ClosesHalfASecondAfterTheFullBarAndPaintsEachStep) {
  for (const int p : {0, 60, 70, 75, 80, 90}) {
    progress.SetProgress(p);
    timers.Advance(50);
  }
  progress.SetProgress(100);
  const std::uint64_t full = clock.NowMs();
  EXPECT_EQ(painted, (std::vector<int>{0, 60, 70, 75, 80, 90, 100}));
  timers.Advance(499);
  EXPECT_TRUE(progress.IsOpen());
  EXPECT_FALSE(progress.AcceptsUserClose());
  timers.Advance(1);
  EXPECT_FALSE(progress.IsOpen());
  EXPECT_TRUE(progress.AcceptsUserClose());
  EXPECT_EQ(closedAt, std::vector<std::uint64_t>{full + 500});
  EXPECT_EQ(timers.RunningCount(), 0u);
}

TEST_F(ProgressWindowRules, AFailedWriteClosesAtOnceAndLaterProgressChangesNothing) {
  progress.SetProgress(60);
  progress.WriteFailed();
  EXPECT_EQ(closedAt, std::vector<std::uint64_t>{0});
  progress.SetProgress(100);
  timers.Advance(1000);
  progress.WriteFailed();
  EXPECT_EQ(closedAt.size(), 1u);
  EXPECT_EQ(painted, std::vector<int>{60});
  EXPECT_EQ(timers.RunningCount(), 0u);
}

TEST_F(ProgressWindowRules, AFailureWhileTheFullBarShowsClosesOnceAndAtOnce) {
  progress.SetProgress(100);
  timers.Advance(200);
  progress.WriteFailed();
  timers.Advance(1000);
  EXPECT_EQ(closedAt, std::vector<std::uint64_t>{200});
}

TEST_F(ProgressWindowRules, ValuesOutsideTheRangeTakeTheNearestEnd) {
  progress.SetProgress(-5);
  progress.SetProgress(250);
  EXPECT_EQ(painted, (std::vector<int>{0, 100}));
  timers.Advance(500);
  EXPECT_EQ(closedAt.size(), 1u);
}

TEST_F(ProgressWindowRules, OpeningAgainStartsEmptyAndForgetsAPendingClose) {
  progress.SetProgress(100);
  progress.Open();
  EXPECT_EQ(progress.Percent(), 0);
  timers.Advance(1000);
  EXPECT_TRUE(progress.IsOpen());
  EXPECT_TRUE(closedAt.empty());
}

TEST(ProgressModel, KeysTextAndPlace) {
  VirtualClock clock;
  ManualTimers timers(clock);
  ProgressModel progress(timers, true);
  for (const DialogKey key :
       {DialogKey::kEnter, DialogKey::kEscape, DialogKey::kSpace, DialogKey::kAltF4}) {
    EXPECT_TRUE(ProgressModel::Swallows(key)) << static_cast<int>(key);
  }
  EXPECT_FALSE(ProgressModel::Swallows(DialogKey::kOther));
  EXPECT_EQ(progress.Text(), "更新进行中，请稍候...");
  progress.SetChineseUi(false);
  EXPECT_EQ(progress.Text(), "Updating is in progress, please wait…");
  EXPECT_EQ(ProgressModel::Position({0, 0, 1920, 1080}, 330, 80), (Point{795, 500}));
  EXPECT_EQ(ProgressModel::Position({100, 40, 1380, 840}, 330, 80), (Point{575, 400}));
}

}  // namespace
}  // namespace n63k
