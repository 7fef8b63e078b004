#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/buttons/MouseInput.h"
#include "platform/evdev/EvdevEvents.h"
#include "platform/evdev/EvdevMouseInput.h"
#include "platform/evdev/FakeEvdevKernel.h"

namespace n63k::platform {
namespace {

using test::Ev;
using test::Key;
using test::kSyn;
using test::Rel;
using Reach = EvdevMouseInput::Reach;

const std::string kNode = "/dev/input/event3";

// Waits for the reader thread; a generous bound only keeps a broken reader
// from hanging the suite.
bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class EvdevMouseInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hooks_.SetMainWindow(&receiver_);
    hooks_.SetClickNotify(true);
    kernel_.SetNodes({{kNode, "/sys/devices/usb1/1-2", true}});
  }

  Reach Start() {
    input_ = std::make_unique<EvdevMouseInput>(hooks_, watchList_, kernel_);
    return input_->Start();
  }

  bool CloneGot(std::size_t count) {
    return WaitUntil([&] { return kernel_.clone().events().size() >= count; });
  }
  bool Reported(std::size_t count) {
    return WaitUntil([&] { return receiver_.identities().size() >= count; });
  }

  MouseWatchList watchList_;
  InputHooks hooks_{watchList_};
  test::IdentityLog receiver_;
  test::FakeEvdevKernel kernel_;
  std::unique_ptr<EvdevMouseInput> input_;
};

TEST_F(EvdevMouseInputTest, SaysHowFarItReaches) {
  struct Case {
    std::string name;
    bool listed;
    int openError;
    bool clones;
    Reach reach;
  };
  const Case cases[] = {
      {"no node", false, 0, true, Reach::kNoEventNode},
      {"node not ours to open", true, EACCES, true, Reach::kNoEventNode},
      {"no uinput", true, 0, false, Reach::kObserveOnly},
      {"both", true, 0, true, Reach::kObserveAndSwallow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeEvdevKernel kernel;
    if (c.listed) {
      kernel.SetNodes({{kNode, "/sys/devices/usb1/1-2", true}});
    }
    kernel.RefuseOpen(c.openError);
    kernel.AllowClones(c.clones);
    EvdevMouseInput input(hooks_, watchList_, kernel);
    EXPECT_EQ(input.Start(), c.reach);
  }
}

TEST_F(EvdevMouseInputTest, PutsEventsTogetherAcrossShortReads) {
  const std::vector<Ev> stream = {Rel(REL_X, 1),
                                  kSyn,
                                  Key(BTN_RIGHT, 1),
                                  kSyn,
                                  Key(BTN_RIGHT, 0),
                                  kSyn,
                                  Key(BTN_LEFT, 1),
                                  kSyn,
                                  Key(BTN_LEFT, 0),
                                  kSyn,
                                  Rel(REL_WHEEL, 1),
                                  Rel(REL_WHEEL_HI_RES, 120),
                                  kSyn};
  for (const std::size_t limit : {1UL, 7UL, sizeof(input_event) + 1, 100UL}) {
    SCOPED_TRACE(limit);
    test::FakeEvdevKernel kernel;
    kernel.SetNodes({{kNode, "/sys/devices/usb1/1-2", true}});
    kernel.LimitReads(limit);
    test::IdentityLog receiver;
    hooks_.SetMainWindow(&receiver);
    watchList_.Watch(mouse_identity::kRight);
    EvdevMouseInput input(hooks_, watchList_, kernel);
    ASSERT_EQ(input.Start(), Reach::kObserveAndSwallow);
    kernel.Send(kNode, stream);
    ASSERT_TRUE(WaitUntil([&] { return receiver.identities().size() == 3; }));
    ASSERT_TRUE(WaitUntil([&] { return kernel.clone().events().size() == 9; }));
    EXPECT_EQ(receiver.identities(),
              (std::vector<std::uint32_t>{mouse_identity::kRight, mouse_identity::kLeft,
                                          mouse_identity::kWheelForward}));
    EXPECT_EQ(kernel.clone().events(),
              (std::vector<Ev>{Rel(REL_X, 1), kSyn, Key(BTN_LEFT, 1), kSyn, Key(BTN_LEFT, 0), kSyn,
                               Rel(REL_WHEEL, 1), Rel(REL_WHEEL_HI_RES, 120), kSyn}));
    EXPECT_EQ(input.travel().TakeTravel(), 1u);
    watchList_.Unwatch(mouse_identity::kRight);
  }
}

TEST_F(EvdevMouseInputTest, GrabsAndReleasesOnlyWhileNoButtonIsHeld) {
  ASSERT_EQ(Start(), Reach::kObserveAndSwallow);
  kernel_.Send(kNode, {Key(BTN_RIGHT, 1), kSyn});
  ASSERT_TRUE(Reported(1));

  watchList_.Watch(mouse_identity::kLeft);
  input_->WatchListChanged();
  kernel_.Send(kNode, {Rel(REL_X, 2), kSyn});
  ASSERT_TRUE(WaitUntil([&] { return input_->travel().TakeTravel() == 2; }));
  EXPECT_TRUE(kernel_.grabs().empty()) << "grabbed with the right button down";

  kernel_.Send(kNode, {Key(BTN_RIGHT, 0), kSyn});
  ASSERT_TRUE(WaitUntil([&] { return kernel_.grabbed(); }));
  kernel_.Send(kNode, {Key(BTN_LEFT, 1), kSyn, Key(BTN_LEFT, 0), kSyn, Key(BTN_RIGHT, 1), kSyn});
  ASSERT_TRUE(CloneGot(2));

  watchList_.Unwatch(mouse_identity::kLeft);
  input_->WatchListChanged();
  kernel_.Send(kNode, {Rel(REL_Y, 1), kSyn});
  ASSERT_TRUE(CloneGot(4));
  EXPECT_TRUE(kernel_.grabbed()) << "released with the right button down";

  // The release goes where the press went.
  kernel_.Send(kNode, {Key(BTN_RIGHT, 0), kSyn});
  ASSERT_TRUE(WaitUntil([&] { return !kernel_.grabbed(); }));
  EXPECT_EQ(kernel_.clone().events(), (std::vector<Ev>{Key(BTN_RIGHT, 1), kSyn, Rel(REL_Y, 1), kSyn,
                                                       Key(BTN_RIGHT, 0), kSyn}));
  EXPECT_EQ(receiver_.identities(),
            (std::vector<std::uint32_t>{mouse_identity::kRight, mouse_identity::kLeft,
                                        mouse_identity::kRight}));
  EXPECT_EQ(kernel_.grabs(), (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
}

TEST_F(EvdevMouseInputTest, LetsGoOfTheMouseWhenItsCloneFails) {
  kernel_.BreakClones();
  watchList_.Watch(mouse_identity::kRight);
  ASSERT_EQ(Start(), Reach::kObserveAndSwallow);
  ASSERT_TRUE(WaitUntil([&] { return kernel_.grabbed(); }));
  kernel_.Send(kNode, {Rel(REL_X, 1), kSyn});
  ASSERT_TRUE(WaitUntil([&] { return !kernel_.grabbed(); }));
  EXPECT_EQ(kernel_.grabs(), (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
}

TEST_F(EvdevMouseInputTest, OnlyObservesWithoutUinput) {
  kernel_.AllowClones(false);
  watchList_.Watch(mouse_identity::kRight);
  ASSERT_EQ(Start(), Reach::kObserveOnly);
  kernel_.Send(kNode, {Key(BTN_RIGHT, 1), kSyn, Key(BTN_RIGHT, 0), kSyn});
  ASSERT_TRUE(Reported(1));
  input_->Stop();
  EXPECT_TRUE(kernel_.grabs().empty());
}

TEST_F(EvdevMouseInputTest, ReadsTheButtonsAgainAfterLostEvents) {
  ASSERT_EQ(Start(), Reach::kObserveAndSwallow);
  watchList_.Watch(mouse_identity::kMiddle);
  input_->WatchListChanged();
  ASSERT_TRUE(WaitUntil([&] { return kernel_.grabbed(); }));
  kernel_.SetHeld(0);
  kernel_.Send(kNode, {Key(BTN_RIGHT, 1), kSyn, test::kDropped, Key(BTN_RIGHT, 0), Rel(REL_X, 9),
                       kSyn, Rel(REL_X, 1), kSyn});
  ASSERT_TRUE(CloneGot(6));
  EXPECT_EQ(kernel_.clone().events(), (std::vector<Ev>{Key(BTN_RIGHT, 1), kSyn, Key(BTN_RIGHT, 0),
                                                       kSyn, Rel(REL_X, 1), kSyn}));
}

TEST_F(EvdevMouseInputTest, ReopensAndGrabsAgainANodeThatWentAway) {
  watchList_.Watch(mouse_identity::kLeft);
  ASSERT_EQ(Start(), Reach::kObserveAndSwallow);
  kernel_.Send(kNode, {Key(BTN_LEFT, 1), kSyn});
  ASSERT_TRUE(Reported(1));

  // Suspended with the left button down; back with it up.
  kernel_.Unplug(kNode);
  ASSERT_TRUE(WaitUntil([&] { return kernel_.opens() == 2 && kernel_.grabbed(); }));
  kernel_.Send(kNode, {Key(BTN_LEFT, 0), kSyn});
  ASSERT_TRUE(CloneGot(2));
  EXPECT_EQ(kernel_.clone().events(), (std::vector<Ev>{Key(BTN_LEFT, 0), kSyn}))
      << "the release of a press on the lost node swallowed a later one";
  input_->Stop();
  EXPECT_EQ(kernel_.grabs(), (std::vector<std::pair<int, bool>>{{1, true}, {2, true}, {2, false}}));
}

// The window stops the input when the mouse is unplugged and starts it again
// when the mouse is back.
TEST_F(EvdevMouseInputTest, ReadsAgainWhenStartedAfterAStop) {
  watchList_.Watch(mouse_identity::kLeft);
  ASSERT_EQ(Start(), Reach::kObserveAndSwallow);
  input_->Stop();
  ASSERT_EQ(input_->Start(), Reach::kObserveAndSwallow);
  EXPECT_EQ(kernel_.opens(), 2);
  kernel_.Send(kNode, {Key(BTN_LEFT, 1), kSyn});
  ASSERT_TRUE(Reported(1));
  EXPECT_EQ(receiver_.identities(), std::vector<std::uint32_t>{mouse_identity::kLeft});
}

TEST_F(EvdevMouseInputTest, TakesAMousePluggedInLater) {
  kernel_.SetNodes({});
  ASSERT_EQ(Start(), Reach::kNoEventNode);
  kernel_.SetNodes({{kNode, "/sys/devices/usb1/1-2", true}});
  kernel_.Hotplug();
  ASSERT_TRUE(WaitUntil([&] { return kernel_.opens() == 1; }));
  kernel_.Send(kNode, {Key(BTN_SIDE, 1), kSyn});
  ASSERT_TRUE(Reported(1));
  EXPECT_EQ(receiver_.identities(), std::vector<std::uint32_t>{mouse_identity::kBack});
}

}  // namespace
}  // namespace n63k::platform
