#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/ManualTimers.h"
#include "core/pages/InfoBoxLayout.h"
#include "core/pages/InfoBoxModel.h"

namespace n63k {
namespace {

// Records what the window would be told.
struct Seen : InfoBoxObserver {
  std::vector<std::string> captions;
  std::vector<InfoAnswer> answers;
  const InfoBoxModel* box = nullptr;
  void OkCaptionChanged() override { captions.push_back(box->OkCaption()); }
  void Ended(InfoAnswer answer) override { answers.push_back(answer); }
};

struct CountDownFixture : ::testing::Test {
  VirtualClock clock;
  ManualTimers timers{clock};
};

using InfoBoxCountDown = CountDownFixture;

TEST_F(InfoBoxCountDown, ShowsFiveTwiceThenCountsToOneAndEndsWithCancelAfterSixSeconds) {
  for (const bool chinese : {false, true}) {
    const std::string ok = chinese ? "确定" : "OK";
    InfoBoxModel box("Mouse found", false, InfoBoxModel::Mode::kCountDown, chinese, timers);
    Seen seen;
    seen.box = &box;
    box.SetObserver(&seen);
    box.Open();
    EXPECT_EQ(box.OkCaption(), ok + " (5s)");
    // Second by second: the caption after each tick, and whether it ended.
    const std::vector<std::string> expected = {" (5s)", " (4s)", " (3s)", " (2s)", " (1s)"};
    for (std::size_t second = 0; second < expected.size(); ++second) {
      timers.Advance(1000);
      EXPECT_EQ(box.OkCaption(), ok + expected[second]) << second + 1 << " s";
      EXPECT_FALSE(box.Answer()) << second + 1 << " s";
    }
    timers.Advance(999);
    EXPECT_FALSE(box.Answer());
    timers.Advance(1);
    EXPECT_EQ(box.Answer(), InfoAnswer::kCancel);
    EXPECT_EQ(seen.answers, std::vector<InfoAnswer>{InfoAnswer::kCancel});
    EXPECT_EQ(seen.captions.size(), 6u);
    EXPECT_EQ(timers.RunningCount(), 0u);
  }
}

TEST_F(InfoBoxCountDown, AnyAnswerStopsTheCountDownAndComesOnce) {
  struct Case {
    const char* name;
    void (InfoBoxModel::*action)();
    InfoAnswer answer;
  };
  const Case cases[] = {
      {"ok", &InfoBoxModel::PressOk, InfoAnswer::kOk},
      {"cancel", &InfoBoxModel::PressCancel, InfoAnswer::kCancel},
      {"close button", &InfoBoxModel::PressClose, InfoAnswer::kCancel},
      {"window closed", &InfoBoxModel::CloseWindow, InfoAnswer::kCancel},
  };
  for (const Case& c : cases) {
    InfoBoxModel box("text", false, InfoBoxModel::Mode::kCountDown, false, timers);
    Seen seen;
    seen.box = &box;
    box.SetObserver(&seen);
    box.Open();
    timers.Advance(2500);
    (box.*c.action)();
    EXPECT_EQ(box.Answer(), c.answer) << c.name;
    EXPECT_EQ(timers.RunningCount(), 0u) << c.name;
    // Neither the count-down nor a second press changes the answer.
    timers.Advance(10000);
    box.PressOk();
    box.PressCancel();
    EXPECT_EQ(seen.answers, std::vector<InfoAnswer>{c.answer}) << c.name;
  }
}

TEST_F(InfoBoxCountDown, ABoxGoneBeforeItsCountDownEndsLeavesNoTimer) {
  {
    InfoBoxModel box("text", false, InfoBoxModel::Mode::kCountDown, false, timers);
    box.Open();
  }
  EXPECT_EQ(timers.RunningCount(), 0u);
}

TEST(InfoBoxModel, CaptionsButtonsAndPicturesFollowTheLanguageAndCancel) {
  VirtualClock clock;
  ManualTimers timers(clock);
  struct Case {
    bool chinese;
    bool hasCancel;
    const char* title;
    const char* ok;
    const char* cancel;
    const char* close;
    Rect okButton;
    const skin_files::BoxLooks* looks;
  };
  const Case cases[] = {
      {false, false, "Tips", "OK", "Cancel", "Close", info_box::kOkAlone, &skin_files::kInfoBoxOk},
      {false, true, "Tips", "OK", "Cancel", "Close", info_box::kOkWithCancel,
       &skin_files::kInfoBoxCancel},
      {true, false, "提示", "确定", "取消", "关闭", info_box::kOkAlone, &skin_files::kInfoBoxOk},
      {true, true, "提示", "确定", "取消", "关闭", info_box::kOkWithCancel,
       &skin_files::kInfoBoxCancel},
  };
  for (const Case& c : cases) {
    InfoBoxModel box("Mouse not found", c.hasCancel, InfoBoxModel::Mode::kModal, c.chinese, timers);
    box.Open();
    const std::string name = std::string(c.chinese ? "chinese" : "english") +
                             (c.hasCancel ? " with cancel" : " ok only");
    EXPECT_EQ(box.Title(), c.title) << name;
    EXPECT_EQ(box.OkCaption(), c.ok) << name;
    EXPECT_EQ(box.CancelCaption(), c.cancel) << name;
    EXPECT_EQ(box.CloseName(), c.close) << name;
    EXPECT_EQ(box.OkButton(), c.okButton) << name;
    EXPECT_EQ(&box.Looks(), c.looks) << name;
    EXPECT_EQ(box.Text(), "Mouse not found") << name;
    // An ordinary box never counts down.
    EXPECT_EQ(timers.RunningCount(), 0u) << name;
    timers.Advance(60000);
    EXPECT_FALSE(box.Answer()) << name;
  }
}

TEST(InfoBoxModel, SitsCentredOrInTheBottomRightCornerOfTheWorkArea) {
  VirtualClock clock;
  ManualTimers timers(clock);
  struct Case {
    const char* name;
    InfoBoxModel::Mode mode;
    Rect workArea;
    Point position;
  };
  const Case cases[] = {
      {"centred", InfoBoxModel::Mode::kModal, {0, 0, 1920, 1040}, {795, 440}},
      {"centred below a top panel", InfoBoxModel::Mode::kModal, {0, 32, 1280, 800}, {475, 336}},
      {"count-down", InfoBoxModel::Mode::kCountDown, {0, 0, 1920, 1040}, {1580, 880}},
      {"count-down beside a right panel",
       InfoBoxModel::Mode::kCountDown,
       {0, 0, 1856, 1080},
       {1516, 920}},
      {"screen smaller than the box", InfoBoxModel::Mode::kCountDown, {0, 0, 300, 100}, {0, 0}},
  };
  for (const Case& c : cases) {
    const InfoBoxModel box("text", false, c.mode, false, timers);
    EXPECT_EQ(box.Position(c.workArea), c.position) << c.name;
  }
}

}  // namespace
}  // namespace n63k
