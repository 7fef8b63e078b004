#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/buttons/MouseInput.h"
#include "platform/QtEventLoop.h"
#include "platform/X11MouseInput.h"
#include "platform/XClickWindow.h"
#include "platform/XvfbServer.h"

namespace n63k {
namespace {

class Reports final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t, std::uint32_t) override {}
  void PcAction(std::uint32_t identity) override { identities.push_back(identity); }
  std::vector<std::uint32_t> identities;
};

class X11MouseInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EventLoopApplication();
    ASSERT_FALSE(server.display().empty());
    ASSERT_TRUE(window.ready());
    hooks.SetMainWindow(&reports);
    hooks.SetClickNotify(true);
  }

  // Clicks each button, then the left one as a marker that all events before
  // it were delivered; the marker's own reports are taken off again.
  void ClickAndSettle(const std::vector<unsigned int>& buttons) {
    for (const unsigned int button : buttons) {
      window.Click(button);
    }
    window.Click(1);
    ASSERT_TRUE(test::RunEventsUntil([&] {
      return !window.Presses().empty() && window.Presses().back() == 1 &&
             !reports.identities.empty() && reports.identities.back() == mouse_identity::kLeft;
    }));
    reports.identities.pop_back();
  }

  test::XvfbServer server;
  test::XClickWindow window{server.display()};
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  Reports reports;
  X11MouseInput input{hooks, watchList};
};

TEST_F(X11MouseInputTest, AWatchedClickReachesNoWindowAndIsReportedOnce) {
  watchList.Watch(mouse_identity::kRight);
  ASSERT_TRUE(input.Start(server.display()));
  ClickAndSettle({3});
  EXPECT_EQ(window.Presses(), std::vector<unsigned int>{1});
  EXPECT_EQ(reports.identities, std::vector<std::uint32_t>{mouse_identity::kRight});
  EXPECT_FALSE(hooks.releasePending());
}

TEST_F(X11MouseInputTest, UnwatchedPressesAndNotchesReachTheWindowAndAreReported) {
  ASSERT_TRUE(input.Start(server.display()));
  ClickAndSettle({3, 2, 4, 5, 8, 9});
  EXPECT_EQ(window.Presses(), (std::vector<unsigned int>{3, 2, 4, 5, 8, 9, 1}));
  EXPECT_EQ(reports.identities,
            (std::vector<std::uint32_t>{
                mouse_identity::kRight, mouse_identity::kMiddle, mouse_identity::kWheelForward,
                mouse_identity::kWheelBackward, mouse_identity::kBack, mouse_identity::kForward}));
}

TEST_F(X11MouseInputTest, GrabsFollowTheWatchList) {
  watchList.Watch(mouse_identity::kWheelForward);
  watchList.Watch(mouse_identity::kForward);
  ASSERT_TRUE(input.Start(server.display()));
  ClickAndSettle({4, 5, 9, 8});
  EXPECT_EQ(window.Presses(), (std::vector<unsigned int>{5, 8, 1}));

  watchList.Unwatch(mouse_identity::kWheelForward);
  watchList.Unwatch(mouse_identity::kForward);
  watchList.Watch(mouse_identity::kBack);
  input.WatchListChanged();
  ClickAndSettle({4, 9, 8});
  EXPECT_EQ(window.Presses(), (std::vector<unsigned int>{5, 8, 1, 4, 9, 1}));
  EXPECT_EQ(reports.identities,
            (std::vector<std::uint32_t>{mouse_identity::kWheelForward,
                                        mouse_identity::kWheelBackward, mouse_identity::kForward,
                                        mouse_identity::kBack, mouse_identity::kWheelForward,
                                        mouse_identity::kForward, mouse_identity::kBack}));
}

TEST_F(X11MouseInputTest, StoppingReleasesTheGrabs) {
  watchList.Watch(mouse_identity::kRight);
  ASSERT_TRUE(input.Start(server.display()));
  input.Stop();
  window.Click(3);
  ASSERT_TRUE(test::RunEventsUntil([&] { return !window.Presses().empty(); }));
  EXPECT_EQ(window.Presses(), std::vector<unsigned int>{3});
  EXPECT_TRUE(reports.identities.empty());
}

TEST(X11MouseInput, WithoutADisplayItDoesNotStart) {
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  X11MouseInput input{hooks, watchList};
  test::EventLoopApplication();
  EXPECT_FALSE(input.Start(":9999"));
}

}  // namespace
}  // namespace n63k
