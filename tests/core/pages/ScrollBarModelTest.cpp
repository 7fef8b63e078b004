#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/ManualTimers.h"
#include "core/pages/ScrollBarModel.h"

namespace n63k {
namespace {

TEST(ScrollBarLayout, ArrowsTrackAndThumb) {
  struct Case {
    const char* what;
    int length;
    ScrollValues values;
    int arrow, track, thumb, offset;
  };
  const std::vector<Case> cases = {
      {"a page of ten shown out of forty", 136, {0, 39, 10, 0}, 18, 100, 25, 0},
      {"at the end", 136, {0, 39, 10, 30}, 18, 100, 25, 75},
      {"halfway", 136, {0, 39, 10, 15}, 18, 100, 25, 37},
      {"the whole range in the page", 136, {0, 9, 10, 0}, 18, 100, 0, 0},
      {"a long list keeps a 6-pixel thumb", 136, {0, 9999, 10, 0}, 18, 100, 6, 0},
      {"a 5-pixel track has no thumb", 41, {0, 39, 10, 0}, 18, 5, 0, 0},
      {"a 6-pixel track has one", 42, {0, 39, 10, 0}, 18, 6, 6, 0},
      {"shorter than two cells: half each", 30, {0, 39, 10, 0}, 15, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScrollLayout layout = LayOutScrollBar(c.length, 18, c.values, -1);
    EXPECT_EQ(layout.arrow, c.arrow);
    EXPECT_EQ(layout.track, c.track);
    EXPECT_EQ(layout.thumb, c.thumb);
    EXPECT_EQ(layout.thumbOffset, c.offset);
  }
  // The dragged thumb sits at its tracking position.
  EXPECT_EQ(LayOutScrollBar(136, 18, {0, 39, 10, 0}, 30).thumbOffset, 75);
}

TEST(ScrollBarLayout, PartsInOrderAlongTheBar) {
  const ScrollLayout layout = LayOutScrollBar(136, 18, {0, 39, 10, 15}, -1);
  const std::vector<std::pair<int, ScrollPart>> points = {
      {0, ScrollPart::kFirstArrow},  {17, ScrollPart::kFirstArrow}, {18, ScrollPart::kPageBefore},
      {54, ScrollPart::kPageBefore}, {55, ScrollPart::kThumb},      {79, ScrollPart::kThumb},
      {80, ScrollPart::kPageAfter},  {117, ScrollPart::kPageAfter}, {118, ScrollPart::kLastArrow},
      {135, ScrollPart::kLastArrow}, {136, ScrollPart::kNone},      {-1, ScrollPart::kNone},
  };
  for (const auto& [along, part] : points) {
    EXPECT_EQ(layout.PartAt(along), part) << along;
  }
}

// A list of 40 lines showing 10, which follows what the bar asks.
class ScrollBarModelTest : public ::testing::Test, public ScrollBarObserver {
 protected:
  ScrollBarModelTest() {
    bar_.SetObserver(this);
    bar_.SetLength(136, 18);
    bar_.SetValues(values_);
  }

  void Scroll(ScrollCode code, int position) override {
    sent_.push_back(code);
    const int last = LastScrollPosition(values_);
    switch (code) {
      case ScrollCode::kLineBack:
        values_.position = std::max(0, values_.position - 1);
        break;
      case ScrollCode::kLineOn:
        values_.position = std::min(last, values_.position + 1);
        break;
      case ScrollCode::kPageBack:
        values_.position = std::max(0, values_.position - values_.page);
        break;
      case ScrollCode::kPageOn:
        values_.position = std::min(last, values_.position + values_.page);
        break;
      case ScrollCode::kThumbPosition:
      case ScrollCode::kThumbTrack:
        values_.position = position;
        positions_.push_back(position);
        break;
    }
    bar_.SetValues(values_);
  }
  void Repaint() override {}

  VirtualClock clock_;
  ManualTimers timers_{clock_};
  ScrollBarModel bar_{timers_};
  ScrollValues values_{0, 39, 10, 0};
  std::vector<ScrollCode> sent_;
  std::vector<int> positions_;
};

TEST_F(ScrollBarModelTest, HeldArrowRepeatsAfterHalfASecondThenEveryTenth) {
  bar_.Press(125);
  EXPECT_EQ(values_.position, 1) << "one line at once";
  EXPECT_TRUE(bar_.ShowsPressed(ScrollPart::kLastArrow));
  timers_.Advance(500);
  EXPECT_EQ(values_.position, 1);
  timers_.Advance(100);
  EXPECT_EQ(values_.position, 2);
  timers_.Advance(300);
  EXPECT_EQ(values_.position, 5);
  bar_.MovePointer(60);  // off the arrow: nothing more, drawn normal
  EXPECT_FALSE(bar_.ShowsPressed(ScrollPart::kLastArrow));
  timers_.Advance(300);
  EXPECT_EQ(values_.position, 5);
  bar_.MovePointer(125);
  timers_.Advance(100);
  EXPECT_EQ(values_.position, 6);
  bar_.Release();
  timers_.Advance(1000);
  EXPECT_EQ(values_.position, 6);
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(ScrollBarModelTest, ArrowStopsAtTheEndAndTrackAtThePointer) {
  values_.position = 29;
  bar_.SetValues(values_);
  bar_.Press(125);
  timers_.Advance(2000);
  EXPECT_EQ(values_.position, 30);
  EXPECT_EQ(sent_.size(), 1u) << "nothing is sent at the end";
  bar_.Release();

  values_.position = 0;
  bar_.SetValues(values_);
  sent_.clear();
  bar_.Press(80);  // page-after track, one page before the pointer's place
  EXPECT_EQ(values_.position, 10);
  timers_.Advance(600);
  EXPECT_EQ(values_.position, 20);
  timers_.Advance(1000);
  EXPECT_EQ(values_.position, 20) << "the thumb has reached the pointer";
  bar_.Release();
}

TEST_F(ScrollBarModelTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
  bar_.Press(20);  // on the thumb at the top
  EXPECT_TRUE(bar_.Dragging());
  bar_.MovePointer(20 + 25);  // a third of the room: 75 pixels for 30 positions
  EXPECT_EQ(bar_.TrackingPosition(), 10);
  bar_.MovePointer(500);
  EXPECT_EQ(bar_.TrackingPosition(), 30) << "kept within the range";
  bar_.MovePointer(-500);
  bar_.Release();
  EXPECT_FALSE(bar_.Dragging());
  EXPECT_EQ(positions_, (std::vector<int>{10, 30, 0, 0}));
  EXPECT_EQ(sent_.back(), ScrollCode::kThumbPosition);
  EXPECT_EQ(bar_.TrackingPosition(), -1);
}

TEST_F(ScrollBarModelTest, ListWithinOnePageDisablesTheBar) {
  bar_.SetValues({0, 9, 10, 0});
  EXPECT_FALSE(bar_.Enabled());
  EXPECT_EQ(bar_.Layout().thumb, 0);
  bar_.Press(125);
  EXPECT_TRUE(sent_.empty());
}

TEST_F(ScrollBarModelTest, HoverFollowsThePointerAndLeaves) {
  bar_.MovePointer(5);
  EXPECT_EQ(bar_.HoveredPart(), ScrollPart::kFirstArrow);
  bar_.MovePointer(25);
  EXPECT_EQ(bar_.HoveredPart(), ScrollPart::kThumb);
  bar_.Leave();
  EXPECT_EQ(bar_.HoveredPart(), ScrollPart::kNone);
}

}  // namespace
}  // namespace n63k
