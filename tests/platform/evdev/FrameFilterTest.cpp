#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/buttons/MouseInput.h"
#include "platform/evdev/EvdevEvents.h"
#include "platform/evdev/FrameFilter.h"

namespace n63k::platform {
namespace {

using test::Ev;
using test::Key;
using test::kSyn;
using test::Rel;

constexpr std::uint32_t kForward = mouse_identity::kWheelForward;
constexpr std::uint32_t kBackward = mouse_identity::kWheelBackward;

class FrameFilterTest : public ::testing::Test {
 protected:
  void SetUp() override { hooks_.SetMainWindow(&receiver_); }

  FrameFilter& Filter(bool wheelNotches = true) {
    filter_ = std::make_unique<FrameFilter>(hooks_, watchList_, travel_, wheelNotches);
    return *filter_;
  }

  void Feed(const std::vector<Ev>& events) {
    for (const Ev& event : events) {
      filter_->Take(test::Raw(event), &clone_);
    }
  }

  // Each group of events as a frame of its own.
  void FeedFrames(const std::vector<std::vector<Ev>>& frames) {
    for (std::vector<Ev> frame : frames) {
      frame.push_back(kSyn);
      Feed(frame);
    }
  }

  MouseWatchList watchList_;
  InputHooks hooks_{watchList_};
  test::IdentityLog receiver_;
  RelativeMotionTravel travel_;
  test::EventLog log_;
  test::RecordingClone clone_{log_};
  std::unique_ptr<FrameFilter> filter_;
};

struct ControlCase {
  std::string name;
  std::vector<Ev> press;
  std::vector<Ev> release;
  std::uint32_t identity;
};

const std::vector<ControlCase> kControls = {
    {"left", {Key(BTN_LEFT, 1)}, {Key(BTN_LEFT, 0)}, mouse_identity::kLeft},
    {"right", {Key(BTN_RIGHT, 1)}, {Key(BTN_RIGHT, 0)}, mouse_identity::kRight},
    {"middle", {Key(BTN_MIDDLE, 1)}, {Key(BTN_MIDDLE, 0)}, mouse_identity::kMiddle},
    {"back", {Key(BTN_SIDE, 1)}, {Key(BTN_SIDE, 0)}, mouse_identity::kBack},
    {"forward", {Key(BTN_EXTRA, 1)}, {Key(BTN_EXTRA, 0)}, mouse_identity::kForward},
    {"wheel forward", {Rel(REL_WHEEL, 1), Rel(REL_WHEEL_HI_RES, 120)}, {}, kForward},
    {"wheel backward", {Rel(REL_WHEEL, -1), Rel(REL_WHEEL_HI_RES, -120)}, {}, kBackward},
};

std::vector<Ev> Framed(std::vector<Ev> events) {
  if (!events.empty()) {
    events.push_back(kSyn);
  }
  return events;
}

TEST_F(FrameFilterTest, ReportsEachControlAndPassesItOnWhenNotWatched) {
  hooks_.SetClickNotify(true);
  for (const ControlCase& control : kControls) {
    SCOPED_TRACE(control.name);
    test::EventLog log;
    test::IdentityLog receiver;
    test::RecordingClone clone(log);
    hooks_.SetMainWindow(&receiver);
    FrameFilter filter(hooks_, watchList_, travel_, true);
    for (const std::vector<Ev>& frame : {Framed(control.press), Framed(control.release)}) {
      for (const Ev& event : frame) {
        filter.Take(test::Raw(event), &clone);
      }
    }
    EXPECT_EQ(receiver.identities(), std::vector<std::uint32_t>{control.identity});
    std::vector<Ev> expected = Framed(control.press);
    for (const Ev& event : Framed(control.release)) {
      expected.push_back(event);
    }
    EXPECT_EQ(log.events(), expected);
    EXPECT_TRUE(filter.idle());
  }
}

TEST_F(FrameFilterTest, AWatchedPressAndItsReleaseNeverReachTheClone) {
  for (const ControlCase& control : kControls) {
    SCOPED_TRACE(control.name);
    test::EventLog log;
    test::IdentityLog receiver;
    test::RecordingClone clone(log);
    hooks_.SetMainWindow(&receiver);
    watchList_.Watch(control.identity);
    FrameFilter filter(hooks_, watchList_, travel_, true);
    std::vector<Ev> stream = {Rel(REL_X, 1), kSyn};
    for (const std::vector<Ev>& part :
         {Framed(control.press), std::vector<Ev>{Rel(REL_Y, 2), kSyn}, Framed(control.release),
          std::vector<Ev>{Rel(REL_X, 3), kSyn}}) {
      stream.insert(stream.end(), part.begin(), part.end());
    }
    for (const Ev& event : stream) {
      filter.Take(test::Raw(event), &clone);
    }
    watchList_.Unwatch(control.identity);
    EXPECT_EQ(receiver.identities(), std::vector<std::uint32_t>{control.identity});
    EXPECT_EQ(log.events(),
              (std::vector<Ev>{Rel(REL_X, 1), kSyn, Rel(REL_Y, 2), kSyn, Rel(REL_X, 3), kSyn}));
  }
}

TEST_F(FrameFilterTest, KeepsTheRestOfAFrameInOrder) {
  Filter();
  watchList_.Watch(mouse_identity::kRight);
  Feed({{EV_MSC, MSC_SCAN, 0x90002},
        Key(BTN_RIGHT, 1),
        Rel(REL_X, 2),
        kSyn,
        {EV_MSC, MSC_SCAN, 0x90002},
        Key(BTN_RIGHT, 0),
        Key(BTN_LEFT, 1),
        Rel(REL_Y, -1),
        kSyn});
  EXPECT_EQ(log_.events(), (std::vector<Ev>{{EV_MSC, MSC_SCAN, 0x90002},
                                            Rel(REL_X, 2),
                                            kSyn,
                                            {EV_MSC, MSC_SCAN, 0x90002},
                                            Key(BTN_LEFT, 1),
                                            Rel(REL_Y, -1),
                                            kSyn}));
  EXPECT_FALSE(filter_->idle());
}

TEST_F(FrameFilterTest, ReportsEveryNotchOfAFastTurn) {
  Filter();
  hooks_.SetClickNotify(true);
  FeedFrames({{Rel(REL_WHEEL, 3)}, {Rel(REL_WHEEL, -2)}});
  EXPECT_EQ(receiver_.identities(),
            (std::vector<std::uint32_t>{kForward, kForward, kForward, kBackward, kBackward}));
}

struct HiResCase {
  std::string name;
  std::vector<std::int32_t> units;  // one frame each
  std::vector<std::uint32_t> notches;
};

TEST_F(FrameFilterTest, MakesNotchesOfHiResUnitsWhenTheNodeHasNoPlainWheel) {
  const HiResCase cases[] = {
      {"quarters", {30, 30, 30, 30}, {kForward}},
      {"two at once", {240}, {kForward, kForward}},
      {"remainder kept", {-150, -90}, {kBackward, kBackward}},
      {"turning back starts anew", {90, -30, -90}, {kBackward}},
      {"to and fro", {60, -60, 60}, {}},
  };
  hooks_.SetClickNotify(true);
  for (const HiResCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::IdentityLog receiver;
    hooks_.SetMainWindow(&receiver);
    Filter(false);
    for (const std::int32_t units : c.units) {
      FeedFrames({{Rel(REL_WHEEL_HI_RES, units)}});
    }
    EXPECT_EQ(receiver.identities(), c.notches);
  }
}

TEST_F(FrameFilterTest, CountsThePlainWheelOnlyWhereTheNodeHasOne) {
  Filter(true);
  hooks_.SetClickNotify(true);
  FeedFrames({{Rel(REL_WHEEL_HI_RES, 60)}, {Rel(REL_WHEEL, 1), Rel(REL_WHEEL_HI_RES, 60)}});
  EXPECT_EQ(receiver_.identities(), std::vector<std::uint32_t>{kForward});
}

TEST_F(FrameFilterTest, SwallowsPartNotchesOfAWatchedDirectionOnly) {
  Filter(true);
  watchList_.Watch(kForward);
  FeedFrames({{Rel(REL_WHEEL_HI_RES, 60)},
              {Rel(REL_WHEEL, 1), Rel(REL_WHEEL_HI_RES, 60)},
              {Rel(REL_WHEEL_HI_RES, -60)},
              {Rel(REL_WHEEL, -1), Rel(REL_WHEEL_HI_RES, -60)}});
  EXPECT_EQ(receiver_.identities(), std::vector<std::uint32_t>{kForward});
  EXPECT_EQ(log_.events(), (std::vector<Ev>{Rel(REL_WHEEL_HI_RES, -60), kSyn, Rel(REL_WHEEL, -1),
                                            Rel(REL_WHEEL_HI_RES, -60), kSyn}));
}

TEST_F(FrameFilterTest, AfterLostEventsHandsOnWhatChangedUnseen) {
  Filter();
  hooks_.SetClickNotify(true);
  watchList_.Watch(mouse_identity::kLeft);
  FeedFrames({{Key(BTN_LEFT, 1)}, {Key(BTN_RIGHT, 1)}});
  // Left and right are released and middle is pressed while events are lost.
  Feed({Rel(REL_X, 5), test::kDropped, Key(BTN_LEFT, 0), Key(BTN_RIGHT, 0), Rel(REL_Y, 3), kSyn});
  ASSERT_TRUE(filter_->resyncNeeded());
  EXPECT_EQ(log_.events(), (std::vector<Ev>{Key(BTN_RIGHT, 1), kSyn}));

  filter_->Resync(1U << 2, &clone_);
  EXPECT_FALSE(filter_->resyncNeeded());
  // The swallowed left press's release stays swallowed.
  EXPECT_EQ(log_.events(), (std::vector<Ev>{Key(BTN_RIGHT, 1), kSyn, Key(BTN_RIGHT, 0),
                                            Key(BTN_MIDDLE, 1), kSyn}));
  EXPECT_EQ(receiver_.identities(),
            (std::vector<std::uint32_t>{mouse_identity::kLeft, mouse_identity::kRight,
                                        mouse_identity::kMiddle}));
  EXPECT_EQ(travel_.TakeTravel(), 0u);
  EXPECT_FALSE(filter_->idle());
}

TEST_F(FrameFilterTest, AddsUpRelativeMotion) {
  Filter();
  FeedFrames({{Rel(REL_X, 3), Rel(REL_Y, -4)}, {Rel(REL_X, -2), Rel(REL_WHEEL, 1)}});
  EXPECT_EQ(travel_.TakeTravel(), 9u);
  EXPECT_EQ(travel_.TakeTravel(), 0u);
}

TEST_F(FrameFilterTest, CarriesOnAnOverlongFrameWhole) {
  Filter();
  std::vector<Ev> frame(70, Rel(REL_X, 1));
  frame.push_back(kSyn);
  Feed(frame);
  std::size_t moves = 0;
  for (const Ev& event : log_.events()) {
    moves += event == Rel(REL_X, 1) ? 1U : 0U;
  }
  EXPECT_EQ(moves, 70u);
  EXPECT_EQ(log_.events().back(), kSyn);
  EXPECT_EQ(travel_.TakeTravel(), 70u);
}

TEST_F(FrameFilterTest, SaysWhenTheCloneRefusedAFrame) {
  Filter();
  test::RecordingClone refusing(log_, false);
  filter_->Take(test::Raw(Rel(REL_X, 1)), &refusing);
  filter_->Take(test::Raw(kSyn), &refusing);
  EXPECT_TRUE(filter_->TakeCloneFailure());
  EXPECT_FALSE(filter_->TakeCloneFailure());
}

TEST_F(FrameFilterTest, ObservesWithoutAClone) {
  Filter();
  hooks_.SetClickNotify(true);
  filter_->Take(test::Raw(Key(BTN_MIDDLE, 1)), nullptr);
  filter_->Take(test::Raw(kSyn), nullptr);
  EXPECT_EQ(receiver_.identities(), std::vector<std::uint32_t>{mouse_identity::kMiddle});
  EXPECT_FALSE(filter_->idle());
}

}  // namespace
}  // namespace n63k::platform
