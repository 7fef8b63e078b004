#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/buttons/InputHooks.h"
#include "core/buttons/MouseInput.h"

namespace n63k {
namespace {

using namespace mouse_message;

MouseEvent Wheel(std::int16_t delta) {
  return {kWheel, static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16};
}

struct IdentityCase {
  MouseEvent event;
  std::optional<std::uint32_t> identity;
  std::optional<int> slot;
};

TEST(MouseIdentityTest, NamesEachPressAndNotchAndNothingElse) {
  const IdentityCase cases[] = {
      {{kLeftDown, 0}, 0x201, 0},
      {{kMiddleDown, 0}, 0x207, 1},
      {{kRightDown, 0}, 0x204, 2},
      {{kExtraDown, kForwardButtonData}, 0x2020B, 3},
      {{kExtraDown, kBackButtonData}, 0x1020B, 4},
      {Wheel(120), 0x20A01, 5},
      {Wheel(0), 0x20A01, 5},
      {Wheel(-120), 0x20A00, 6},
      {{kLeftUp, 0}, std::nullopt, std::nullopt},
      {{kExtraUp, kBackButtonData}, std::nullopt, std::nullopt},
      {{kMove, 0}, std::nullopt, std::nullopt},
  };
  for (const IdentityCase& c : cases) {
    SCOPED_TRACE(c.event.message);
    const std::optional<std::uint32_t> identity = MouseIdentity(c.event);
    EXPECT_EQ(identity, c.identity);
    if (identity) {
      EXPECT_EQ(SlotOfIdentity(*identity), c.slot);
    }
  }
  EXPECT_EQ(SlotOfIdentity(1), std::nullopt);
}

struct Report {
  bool key;
  std::uint32_t value;
  std::uint32_t flags;
  bool operator==(const Report&) const = default;
};

class RecordingReceiver : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) override {
    reports.push_back({true, virtualKey, flags});
  }
  void PcAction(std::uint32_t identity) override { reports.push_back({false, identity, 0}); }
  std::vector<Report> reports;
};

Report Action(std::uint32_t identity) {
  return {false, identity, 0};
}
Report Key(std::uint32_t vk, std::uint32_t flags) {
  return {true, vk, flags};
}

class InputHooksTest : public ::testing::Test {
 protected:
  InputHooksTest() { hooks.SetMainWindow(&window); }
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  RecordingReceiver window;
  RecordingReceiver page;
};

TEST_F(InputHooksTest, WatchedPressAndItsReleaseAreSwallowedAndReportedOnce) {
  watchList.Watch(mouse_identity::kRight);
  EXPECT_TRUE(hooks.OnMouse({kRightDown, 0}));
  EXPECT_TRUE(hooks.releasePending());
  EXPECT_FALSE(hooks.OnMouse({kMove, 0}));
  EXPECT_TRUE(hooks.OnMouse({kRightUp, 0}));
  EXPECT_FALSE(hooks.OnMouse({kRightUp, 0}));
  EXPECT_EQ(window.reports, std::vector<Report>{Action(0x204)});
}

TEST_F(InputHooksTest, WatchedWheelNotchIsSwallowedWithoutPendingRelease) {
  watchList.Watch(mouse_identity::kWheelForward);
  EXPECT_TRUE(hooks.OnMouse(Wheel(120)));
  EXPECT_FALSE(hooks.releasePending());
  EXPECT_FALSE(hooks.OnMouse(Wheel(-120)));
  EXPECT_EQ(window.reports, std::vector<Report>{Action(0x20A01)});
}

TEST_F(InputHooksTest, ClickNotificationReportsUnwatchedPressesButNeverReleases) {
  EXPECT_FALSE(hooks.OnMouse({kLeftDown, 0}));
  EXPECT_TRUE(window.reports.empty());
  hooks.SetClickNotify(true);
  for (const MouseEvent& event : {MouseEvent{kLeftDown, 0}, MouseEvent{kLeftUp, 0},
                                  MouseEvent{kMove, 0}, MouseEvent{kExtraDown, kBackButtonData},
                                  MouseEvent{kExtraUp, kBackButtonData}, Wheel(-240)}) {
    EXPECT_FALSE(hooks.OnMouse(event));
  }
  EXPECT_EQ(window.reports, (std::vector<Report>{Action(0x201), Action(0x1020B), Action(0x20A00)}));
}

TEST_F(InputHooksTest, SecondWatchedPressBeforeTheFirstReleasePassesTheFirstRelease) {
  watchList.Watch(mouse_identity::kRight);
  watchList.Watch(mouse_identity::kMiddle);
  EXPECT_TRUE(hooks.OnMouse({kRightDown, 0}));
  EXPECT_TRUE(hooks.OnMouse({kMiddleDown, 0}));
  EXPECT_FALSE(hooks.OnMouse({kRightUp, 0}));
  EXPECT_TRUE(hooks.OnMouse({kMiddleUp, 0}));
}

TEST_F(InputHooksTest, AnotherSideButtonsReleaseIsNotTakenForTheWatchedOne) {
  watchList.Watch(mouse_identity::kBack);
  EXPECT_TRUE(hooks.OnMouse({kExtraDown, kBackButtonData}));
  EXPECT_FALSE(hooks.OnMouse({kExtraDown, kForwardButtonData}));
  EXPECT_FALSE(hooks.OnMouse({kExtraUp, kForwardButtonData}));
  EXPECT_TRUE(hooks.OnMouse({kExtraUp, kBackButtonData}));
}

TEST_F(InputHooksTest, AForgottenReleaseIsPassedOn) {
  watchList.Watch(mouse_identity::kRight);
  EXPECT_TRUE(hooks.OnMouse({kRightDown, 0}));
  hooks.ForgetPendingRelease();
  EXPECT_FALSE(hooks.OnMouse({kRightUp, 0}));
}

TEST_F(InputHooksTest, UnwatchedControlsPassAfterTheListIsCleared) {
  watchList.Watch(mouse_identity::kRight);
  watchList.Unwatch(mouse_identity::kRight);
  EXPECT_FALSE(hooks.OnMouse({kRightDown, 0}));
  EXPECT_FALSE(hooks.OnMouse({kRightUp, 0}));
}

TEST_F(InputHooksTest, KeysGoToTheCaptureTargetWhileKeyCaptureIsOn) {
  hooks.OnKey(0x41, 0);
  EXPECT_EQ(window.reports, std::vector<Report>{Key(0x41, 0)});

  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  hooks.OnKey(0x41, key_flag::kRelease);
  EXPECT_EQ(page.reports, std::vector<Report>{Key(0x41, key_flag::kRelease)});

  hooks.SetInputCapture(false, false);
  EXPECT_EQ(hooks.captureTarget(), &window);
  hooks.OnKey(0x42, 0);
  EXPECT_EQ(page.reports.size(), 1U);
  EXPECT_EQ(window.reports.size(), 1U);
}

TEST_F(InputHooksTest, TheListenerHearsWhenAPageStartsAndStopsTakingKeys) {
  std::vector<bool> heard;
  hooks.SetKeyCaptureListener([&heard](bool pageCaptures) { heard.push_back(pageCaptures); });
  EXPECT_FALSE(hooks.PageCapturesKeys());
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  EXPECT_TRUE(hooks.PageCapturesKeys());
  hooks.SetInputCapture(false, true);
  hooks.SetInputCapture(true, false);
  hooks.SetInputCapture(false, false);
  hooks.SetInputCapture(false, false);
  hooks.SetCaptureTarget(&window);
  EXPECT_EQ(heard, (std::vector<bool>{true, false, true, false}));
}

TEST_F(InputHooksTest, KeysOffButMouseOnKeepsTheTarget) {
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(false, true);
  EXPECT_EQ(hooks.captureTarget(), &page);
}

TEST_F(InputHooksTest, MouseReportsReachTheMainWindowWhileAPageHoldsTheTarget) {
  watchList.Watch(mouse_identity::kRight);
  hooks.SetClickNotify(true);
  hooks.SetCaptureTarget(&page);
  hooks.SetInputCapture(true, false);
  EXPECT_TRUE(hooks.OnMouse({kRightDown, 0}));
  EXPECT_TRUE(hooks.OnMouse({kRightUp, 0}));
  EXPECT_FALSE(hooks.OnMouse({kLeftDown, 0}));
  hooks.OnKey(0x41, 0);
  EXPECT_EQ(window.reports, (std::vector<Report>{Action(0x204), Action(0x201)}));
  EXPECT_EQ(page.reports, std::vector<Report>{Key(0x41, 0)});
}

TEST_F(InputHooksTest, WithoutAMainWindowWatchedPressesAreStillSwallowed) {
  MouseWatchList list;
  InputHooks bare{list};
  list.Watch(mouse_identity::kBack);
  bare.SetClickNotify(true);
  EXPECT_TRUE(bare.OnMouse({kExtraDown, kBackButtonData}));
  EXPECT_FALSE(bare.OnMouse({kLeftDown, 0}));
  EXPECT_TRUE(bare.OnMouse({kExtraUp, kBackButtonData}));
}

}  // namespace
}  // namespace n63k
