#include <gtest/gtest.h>

#include <limits>

#include "core/pages/SliderScale.h"

namespace n63k {
namespace {

TEST(SliderScale, ClickOnTheTrack) {
  struct Case {
    SliderRange range;
    int pointerX;  // track from 100 to 300
    int value;
  };
  const Case cases[] = {
      {{1, 5}, 100 + 180, 4},                             // 90 %
      {{1, 5}, 100 + 190, 5},                             // 95 %: past 4.75 steps
      {{1, 5}, 100 + 187, 4},                             // 4.74 steps
      {{1, 5}, 100 + 188, 5},                             // 4.76 steps
      {{1, 5}, 150, 2},        {{1, 5}, 40, 1},           // left of the track
      {{1, 5}, 400, 5},                                   // right of it
      {{1, 10}, 100 + 194, 9}, {{1, 10}, 100 + 195, 10},  // past 9.75
      {{1, 3}, 100 + 186, 2},                             // 2.86 steps
      {{1, 3}, 100 + 188, 3},  {{0, 10}, 100 + 199, 9},   // no early maximum for other ranges
      {{0, 10}, 300, 10},      {{0, 10}, 900, 10},       {{0, 10}, -50, 0}, {{0, 0}, 200, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValueForClick(c.range, 100, 300, c.pointerX), c.value)
        << c.range.minimum << ".." << c.range.maximum << " at " << c.pointerX;
  }
  EXPECT_EQ(ValueForClick({1, 5}, 100, 100, 100), 1) << "an empty track";
  EXPECT_EQ(ValueForClick({1, 5}, 300, 100, 200), 1) << "a reversed track";
}

TEST(SliderScale, ThumbPlaceAndBack) {
  struct Case {
    SliderRange range;
    int value;
    int thumbX;  // bar 210 wide, thumb 10 wide: 200 pixels of travel
  };
  const Case cases[] = {
      {{0, 10}, 0, 0},  {{0, 10}, 10, 200}, {{0, 10}, 3, 60}, {{1, 5}, 2, 50},
      {{1, 3}, 2, 100}, {{1, 3}, 3, 200},   {{0, 10}, 11, 0},  // out of range: the minimum's place
      {{0, 10}, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThumbX(c.range, 210, 10, c.value), c.thumbX) << c.value;
    EXPECT_EQ(ValueAtThumbX(c.range, 210, 10, c.thumbX), c.range.Accept(c.value)) << c.value;
  }
  EXPECT_EQ(ValueAtThumbX({0, 10}, 210, 10, 119), 5) << "truncated";
  EXPECT_EQ(ValueAtThumbX({0, 10}, 210, 10, 500), 10);
  EXPECT_EQ(ValueAtThumbX({0, 10}, 210, 10, -5), 0);
  EXPECT_EQ(ThumbX({0, 10}, 10, 10, 5), 0) << "a thumb as wide as its bar";
  EXPECT_EQ(ValueAtThumbX({0, 10}, 10, 10, 0), 0);
  EXPECT_EQ(ThumbX({5, 5}, 210, 10, 5), 0) << "an empty range";
}

TEST(SliderScale, SetPositionOutsideTheRangeFallsToTheMinimum) {
  const SliderRange range{1, 5};
  EXPECT_EQ(range.Accept(3), 3);
  EXPECT_EQ(range.Accept(5), 5);
  EXPECT_EQ(range.Accept(6), 1);
  EXPECT_EQ(range.Accept(0), 1);
  EXPECT_EQ(range.Clamp(6), 5);
  EXPECT_EQ(range.Clamp(0), 1);
}

TEST(SliderScale, DraggingFollowsThePointerFromThePressInsideTheBar) {
  struct Case {
    int pointerX;
    int thumbX;
  };
  // Thumb caught at 60 by a press at 500; bar 210, thumb 10.
  const Case cases[] = {{500, 60}, {501, 61}, {519, 79}, {480, 40}, {300, 0}, {700, 200}};
  for (const Case& c : cases) {
    EXPECT_EQ(DraggedThumbX(60, 500, c.pointerX, 210, 10), c.thumbX) << c.pointerX;
  }
  // One pixel at a time still reaches the next step (20 pixels each).
  int value = 0;
  for (int pointer = 500; pointer <= 520; ++pointer) {
    value = ValueAtThumbX({0, 10}, 210, 10, DraggedThumbX(60, 500, pointer, 210, 10));
  }
  EXPECT_EQ(value, 4);
  EXPECT_EQ(DraggedThumbX(0, 0, 50, 10, 20), 0) << "a thumb wider than its bar";
}

TEST(SliderScale, ProgressFillAndPointer) {
  struct Case {
    SliderRange range;
    int value;
    int fill;  // bar 300 wide
  };
  const Case cases[] = {{{0, 100}, 0, 0},     {{0, 100}, 50, 150}, {{0, 100}, 100, 300},
                        {{0, 100}, 130, 300}, {{0, 100}, -4, 0},   {{0, 0}, 0, 0},
                        {{0, 10}, 3, 90}};
  for (const Case& c : cases) {
    EXPECT_EQ(ProgressFill(c.range, 300, c.value), c.fill) << c.value;
  }
  EXPECT_EQ(ProgressValueAt({0, 100}, 20, 320, 170), 50);
  EXPECT_EQ(ProgressValueAt({0, 100}, 20, 320, 0), 0);
  EXPECT_EQ(ProgressValueAt({0, 100}, 20, 320, 999), 100);
  EXPECT_EQ(ProgressValueAt({0, 100}, 20, 20, 50), 0);
}

TEST(SliderScale, ExtremeNumbersDoNotOverflow) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(ValueForClick({kMin, kMax}, 0, 100, 100), kMax);
  EXPECT_EQ(ThumbX({kMin, kMax}, 210, 10, kMax), 200);
  EXPECT_EQ(DraggedThumbX(kMax, kMin, kMax, 210, 10), 200);
}

}  // namespace
}  // namespace n63k
