#include <gtest/gtest.h>

#include <vector>

#include "core/pages/LanguageMenuLayout.h"
#include "core/pages/LanguageMenuModel.h"

namespace n63k {
namespace {

struct LanguageMenuFixture : ::testing::Test, LanguageMenuObserver {
  LanguageMenuModel menu;
  std::vector<int> highlights;  // the highlight after each change
  std::vector<int> chosen;
  int closedWithoutChoice = 0;

  LanguageMenuFixture() { menu.SetObserver(this); }
  void HighlightChanged() override { highlights.push_back(menu.Highlighted()); }
  void LanguageChosen(int number) override { chosen.push_back(number); }
  void CloseWithoutChoice() override { ++closedWithoutChoice; }

  // The centre of the row of language `number`.
  static Point Row(int number) {
    const Rect r = language_menu::ItemRect(number - 1);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

using LanguageMenu = LanguageMenuFixture;

TEST_F(LanguageMenu, TwelveRowsOfTwentyTwoPixelsFromSixIn116By273) {
  EXPECT_EQ(language_menu::kWidth, 116);
  EXPECT_EQ(language_menu::kHeight, 273);
  const char* names[] = {"Chinese",    "English", "French",    "Korean",
                         "German",     "Italian", "Spanish",   "Dutch",
                         "Portuguese", "Russian", "Ukrainian", "Trad.Chinese"};
  for (int i = 0; i < kLanguageCount; ++i) {
    const auto& item = menu.Items()[static_cast<std::size_t>(i)];
    EXPECT_EQ(item.number, i + 1);
    EXPECT_EQ(item.text, names[i]);
    EXPECT_EQ(item.rect, (Rect{6, 6 + 22 * i, 110, 28 + 22 * i})) << names[i];
  }
  EXPECT_EQ(menu.Items().back().rect.bottom + language_menu::kBottomMargin, 273);
}

TEST_F(LanguageMenu, HoverFollowsThePointerRowByRow) {
  struct Step {
    Point at;
    int highlighted;
  };
  const Step steps[] = {
      {{3, 10}, LanguageMenuModel::kNoItem},    // margin left of the rows
      {{6, 6}, 0},                              // first pixel of Chinese
      {{109, 27}, 0},                           // last pixel of Chinese
      {{50, 28}, 1},                            // first line of English
      {{110, 40}, LanguageMenuModel::kNoItem},  // right margin
      {{50, 269}, 11},                          // last row
      {{50, 270}, LanguageMenuModel::kNoItem},  // bottom margin
      {{-20, 100}, LanguageMenuModel::kNoItem}  // left the window
  };
  for (const Step& s : steps) {
    menu.MovePointer(s.at);
    EXPECT_EQ(menu.Highlighted(), s.highlighted) << s.at.x << ',' << s.at.y;
  }
  // Only real changes repaint.
  EXPECT_EQ(highlights, (std::vector<int>{0, 1, -1, 11, -1}));
}

TEST_F(LanguageMenu, PressAndReleaseChooseOnlyWithinThePressedRow) {
  struct Case {
    const char* name;
    std::vector<Point> movesBeforePress;
    Point press;
    std::vector<Point> movesWhileDown;
    Point release;
    std::vector<int> chosen;
    int highlightAfter;
  };
  const std::vector<Case> cases = {
      {"click on English", {Row(2)}, Row(2), {}, Row(2), {2}, 1},
      {"click without a move first", {}, Row(12), {}, Row(12), {12}, 11},
      {"press then move off and release", {Row(3)}, Row(3), {{200, 300}}, {200, 300}, {}, -1},
      {"press on one row, release on another", {Row(3)}, Row(3), {Row(5)}, Row(5), {}, -1},
      {"press off the rows", {{2, 2}}, {2, 2}, {Row(4)}, Row(4), {}, -1},
      {"leave and come back while down", {Row(7)}, Row(7), {{-5, 5}, Row(7)}, Row(7), {7}, 6},
  };
  for (const Case& c : cases) {
    LanguageMenuModel fresh;
    fresh.SetObserver(this);
    chosen.clear();
    for (const Point p : c.movesBeforePress) {
      fresh.MovePointer(p);
    }
    fresh.PressButton(c.press);
    for (const Point p : c.movesWhileDown) {
      fresh.MovePointer(p);
    }
    fresh.ReleaseButton(c.release);
    EXPECT_EQ(chosen, c.chosen) << c.name;
    EXPECT_EQ(fresh.Highlighted(), c.highlightAfter) << c.name;
    EXPECT_FALSE(fresh.ButtonDown()) << c.name;
  }
}

TEST_F(LanguageMenu, KeyboardMovesRoundTheListChoosesAndCloses) {
  menu.PressEnter();
  EXPECT_TRUE(chosen.empty());
  menu.PressDown();
  EXPECT_EQ(menu.Highlighted(), 0);
  menu.PressUp();
  EXPECT_EQ(menu.Highlighted(), 11);
  menu.PressDown();
  menu.PressDown();
  EXPECT_EQ(menu.Highlighted(), 1);
  menu.PressEnter();
  EXPECT_EQ(chosen, std::vector<int>{2});
  // A closed menu chooses no more.
  menu.PressEnter();
  menu.PressEscape();
  EXPECT_EQ(chosen, std::vector<int>{2});
  EXPECT_EQ(closedWithoutChoice, 0);

  LanguageMenuModel other;
  other.SetObserver(this);
  other.PressEscape();
  EXPECT_EQ(closedWithoutChoice, 1);
}

TEST(LanguageMenuModel, OpensAboveTheLanguageButtonAndStaysOnTheScreen) {
  struct Case {
    const char* name;
    Rect button;
    Point position;
  };
  const Case cases[] = {
      {"window in the middle", {515, 917, 557, 935}, {511, 648}},
      {"window at the top", {15, 200, 57, 218}, {11, 0}},
      {"window at the left edge", {2, 917, 44, 935}, {0, 648}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageMenuModel::Position(c.button, {0, 0, 1920, 1080}), c.position) << c.name;
  }
}

}  // namespace
}  // namespace n63k
