#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "core/pages/MainWindowLayout.h"
#include "ui/widgets/RegionButton.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr QRgb kNormal = 0x202020;
constexpr QRgb kSelected = 0xc03020;
constexpr QRgb kHover = 0x406080;
constexpr QRgb kDisabled = 0x555555;

// The main window's five slanted tabs over whole-window looks.
class RegionButtonTest : public ::testing::Test {
 protected:
  RegionButtonTest() {
    window_.resize(main_window::kWidth, main_window::kHeight);
    const QSize size(main_window::kWidth, main_window::kHeight);
    const RegionPictures looks{test::Plain(size, kNormal), test::Plain(size, kSelected),
                               test::Plain(size, kHover), test::Plain(size, kDisabled)};
    for (std::size_t i = 0; i < main_window::kPageCount; ++i) {
      auto* tab = new RegionButton(main_window::kRegionControls[i].shape, &window_);
      tab->SetPictures(looks);
      tabs_.push_back(tab);
      spies_.push_back(std::make_unique<QSignalSpy>(tab, &RegionButton::activated));
    }
    EXPECT_TRUE(test::ShowActive(window_));
  }

  // Which tabs (1-5) were activated since the last call, cleared.
  std::vector<int> Activated() {
    std::vector<int> which;
    for (std::size_t i = 0; i < spies_.size(); ++i) {
      for (int n = 0; n < spies_[i]->count(); ++n) {
        which.push_back(int(i) + 1);
      }
      spies_[i]->clear();
    }
    return which;
  }
  std::vector<int> Hovering() const {
    std::vector<int> which;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
      if (tabs_[i]->Hovering()) {
        which.push_back(int(i) + 1);
      }
    }
    return which;
  }
  QRgb ShownAt(QPoint windowPoint) { return test::At(window_, windowPoint); }

  QWidget window_;
  std::vector<RegionButton*> tabs_;
  std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

struct PointCase {
  QPoint point;
  std::vector<int> tabs;  // the one tab that takes it, or none
};

// Tab 1's slanted right edge and tab 2's left edge share the boxes' overlap
// x = 193..209; between them lies a thin gap that belongs to neither.
const PointCase kPoints[] = {
    {{205, 100}, {2}},  // inside tab 1's box, in tab 2's shape
    {{195, 86}, {2}},  {{188, 86}, {1}},  {{191, 86}, {}},  {{100, 100}, {1}},
    {{209, 119}, {}},  {{215, 119}, {2}}, {{380, 86}, {3}}, {{29, 100}, {}},
};

TEST_F(RegionButtonTest, PressGoesToTheTabWhoseShapeHoldsThePoint) {
  for (const PointCase& c : kPoints) {
    test::Press(window_, c.point);
    EXPECT_EQ(Activated(), c.tabs) << c.point.x() << "," << c.point.y();
    test::Release(window_, c.point);
    EXPECT_EQ(Activated(), std::vector<int>{}) << "the release sends nothing";
  }
}

TEST_F(RegionButtonTest, OnlyTheShapeUnderThePointerHovers) {
  for (const PointCase& c : kPoints) {
    test::Move(window_, c.point);
    EXPECT_EQ(Hovering(), c.tabs) << c.point.x() << "," << c.point.y();
  }
  test::Move(window_, {205, 100});
  EXPECT_EQ(ShownAt({205, 100}), kHover);
  EXPECT_EQ(ShownAt({150, 100}), kNormal) << "tab 1 stays normal";
  test::Move(window_, {500, 300});
  EXPECT_EQ(Hovering(), std::vector<int>{});
  EXPECT_EQ(ShownAt({205, 100}), kNormal);
}

TEST_F(RegionButtonTest, DoubleClickPressesTwice) {
  test::DoubleClick(window_, {300, 100});
  EXPECT_EQ(Activated(), (std::vector<int>{2, 2}));
}

TEST_F(RegionButtonTest, StickySelectionWinsOverHoverAndPressShowsSelectedWithoutIt) {
  tabs_[0]->SetStickyLook(true);
  tabs_[0]->SetSelected(true);
  test::Move(window_, {100, 100});
  EXPECT_EQ(ShownAt({100, 100}), kSelected);
  tabs_[0]->SetSelected(false);
  EXPECT_EQ(ShownAt({100, 100}), kHover);

  test::Press(window_, {300, 100});
  EXPECT_EQ(ShownAt({300, 100}), kSelected) << "held without the sticky look";
  test::Release(window_, {300, 100});
  EXPECT_EQ(ShownAt({300, 100}), kHover);
  tabs_[1]->setEnabled(false);
  EXPECT_EQ(ShownAt({300, 100}), kDisabled);
}

TEST_F(RegionButtonTest, CaptionSitsInTheMiddleOfTheShapeAndNamesTheButton) {
  tabs_[0]->SetText(QStringLiteral("Buttons"));
  EXPECT_EQ(tabs_[0]->accessibleName(), QStringLiteral("Buttons"));
  // Tab 1 spans x 30..210 at the bottom but 30..189 at the top: its middle
  // is at x 114.75, left of the box's middle 120.
  const QImage shot = test::Shot(*tabs_[0]);
  int left = shot.width(), right = -1;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      // The caption's grey, not the background's.
      if (tabs_[0]->mask().contains(QPoint(x, y)) && qGray(shot.pixel(x, y)) > 0x60) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, left);
  EXPECT_NEAR((left + right) / 2.0 + 30, 114.75, 2.0);
}

TEST_F(RegionButtonTest, SpaceAndEnterActivateTheFocusedTab) {
  EXPECT_EQ(ShownAt({100, 85}), kNormal) << "focus given by the window's activation is not framed";
  tabs_[2]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(tabs_[2], Qt::Key_Space);
  QTest::keyClick(tabs_[2], Qt::Key_Enter);
  EXPECT_EQ(Activated(), (std::vector<int>{3, 3}));
  EXPECT_EQ(ShownAt({400, 85}), 0xe5533du) << "the focus outline on the top edge";
}

}  // namespace
}  // namespace n63k::ui
