#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr QRgb kEmpty = 0x262c35;
constexpr QRgb kFull = 0xe5533d;
constexpr Rect kBar{20, 20, 320, 40};

class ProgressBarTest : public ::testing::Test {
 protected:
  ProgressBarTest() {
    page_.resize(340, 60);
    bar_ = new ProgressBar(kBar, 3, &page_);
    bar_->SetRange(0, 100);
    bar_->SetImages(kBar, test::Plain({340, 60}, kEmpty), test::Plain({340, 60}, kFull));
    EXPECT_TRUE(test::ShowActive(page_));
  }

  QWidget page_;
  ProgressBar* bar_ = nullptr;
};

TEST_F(ProgressBarTest, FillsFromTheLeftAsFarAsTheValue) {
  bar_->SetPos(50);
  EXPECT_EQ(test::At(*bar_, {149, 10}), kFull);
  EXPECT_EQ(test::At(*bar_, {150, 10}), kEmpty);
  bar_->SetPos(101);
  EXPECT_EQ(bar_->Pos(), 0);
  EXPECT_EQ(test::At(*bar_, {0, 10}), kEmpty);
}

TEST_F(ProgressBarTest, DraggingFollowsThePointerAndTheReleaseReports) {
  QSignalSpy dragged(bar_, &ProgressBar::progressDragged);
  test::Press(page_, {50, 30});
  test::Move(page_, {110, 30});
  EXPECT_EQ(bar_->Pos(), 30);
  EXPECT_EQ(dragged.count(), 0);
  test::Move(page_, {400 - 70, 30});  // past the end
  EXPECT_EQ(bar_->Pos(), 100);
  test::Release(page_, {170, 30});
  ASSERT_EQ(dragged.count(), 1);
  EXPECT_EQ(dragged.at(0).at(0).toInt(), 50);
  EXPECT_EQ(dragged.at(0).at(1).toInt(), 3);
}

TEST_F(ProgressBarTest, LockedBarTakesNoPointer) {
  QSignalSpy dragged(bar_, &ProgressBar::progressDragged);
  bar_->SetPos(20);
  bar_->SetLocked(true);
  test::Press(page_, {50, 30});
  test::Move(page_, {200, 30});
  test::Release(page_, {200, 30});
  EXPECT_EQ(bar_->Pos(), 20);
  EXPECT_EQ(dragged.count(), 0);
}

}  // namespace
}  // namespace n63k::ui
