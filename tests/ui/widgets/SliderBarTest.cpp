#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/widgets/SliderBar.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr QRgb kKey = 0xff00ff;
constexpr QRgb kThumb = 0xf0f0f0;
constexpr QRgb kTrack = 0x303845;
constexpr int kId = 7;

// A thumb 10 x 16 whose two outer columns are the see-through key colour.
QPixmap ThumbPicture() {
  QImage image(10, 16, QImage::Format_RGB32);
  image.fill(kKey);
  for (int y = 0; y < 16; ++y) {
    for (int x = 2; x < 8; ++x) {
      image.setPixel(x, y, 0xff000000 | kThumb);
    }
  }
  return QPixmap::fromImage(image);
}

// A 1..5 slider whose bar (and track) spans x 100..310 of its page.
class SliderBarTest : public ::testing::Test {
 protected:
  SliderBarTest() {
    page_.resize(400, 100);
    bar_ = new SliderBar(ThumbPicture(), kBar, kId, &page_);
    bar_->SetRange(1, 5);
    bar_->SetBackground(kBar, test::Plain({400, 100}, kTrack));
    EXPECT_TRUE(test::ShowActive(page_));
  }

  // Clicks the page at x on the bar's middle row and returns what it reported.
  std::vector<int> ClickAt(int x) {
    QSignalSpy changed(bar_, &SliderBar::valueChanged);
    test::Click(page_, {x, 52});
    std::vector<int> values;
    for (const QList<QVariant>& report : changed) {
      EXPECT_EQ(report.at(1).toInt(), kId);
      values.push_back(report.at(0).toInt());
    }
    return values;
  }

  static constexpr Rect kBar{100, 40, 310, 60};
  QWidget page_;
  SliderBar* bar_ = nullptr;
};

TEST_F(SliderBarTest, ClickPutsTheThumbAtTheValueItGives) {
  struct Case {
    int x;
    int value;
  };
  const Case cases[] = {
      {100 + 189, 4},  // 90 % of the track
      {100 + 200, 5},  // 95 %
      {100 + 105, 3},
      {100 + 52, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClickAt(c.x), std::vector<int>{c.value}) << c.x;
    EXPECT_EQ(bar_->Pos(), c.value);
    EXPECT_EQ(bar_->Thumb().x(), (210 - 10) * (c.value - 1) / 4) << c.x;
    EXPECT_EQ(bar_->Thumb().y(), 20 - 16);
  }
}

TEST_F(SliderBarTest, ClicksBesideANarrowerTrackGiveItsEnds) {
  bar_->SetTrack({150, 40, 250, 60});
  EXPECT_EQ(ClickAt(120), std::vector<int>{1});
  EXPECT_EQ(ClickAt(260), std::vector<int>{5});
  EXPECT_EQ(ClickAt(200), std::vector<int>{3});
}

TEST_F(SliderBarTest, DisabledSliderIgnoresClicksAndDrags) {
  bar_->SetPos(3);
  bar_->setEnabled(false);
  EXPECT_EQ(ClickAt(300), std::vector<int>{});
  QSignalSpy changed(bar_, &SliderBar::valueChanged);
  const QPoint thumb = bar_->Thumb().mapTo(&page_, QPoint(5, 8));
  test::Press(page_, thumb);
  test::Move(page_, thumb + QPoint(60, 0));
  test::Release(page_, thumb + QPoint(60, 0));
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(bar_->Pos(), 3);
}

TEST_F(SliderBarTest, DraggingTheThumbReportsEachNewValueAndTheReleaseNothing) {
  QSignalSpy changed(bar_, &SliderBar::valueChanged);
  const QPoint grip(105, 52);  // the thumb's solid middle at value 1
  test::Press(page_, grip);
  EXPECT_EQ(changed.count(), 0) << "pressing the thumb is no click on the track";
  for (int dx = 1; dx <= 60; ++dx) {
    test::Move(page_, grip + QPoint(dx, 0));
  }
  test::Move(page_, grip + QPoint(290, 0));  // beyond the bar's end
  test::Release(page_, grip + QPoint(290, 0));
  std::vector<int> values;
  for (const QList<QVariant>& report : changed) {
    values.push_back(report.at(0).toInt());
  }
  EXPECT_EQ(values, (std::vector<int>{2, 5}));
  EXPECT_EQ(bar_->Thumb().x(), 200);
}

TEST_F(SliderBarTest, KeyColourOfTheThumbIsSeeThrough) {
  EXPECT_EQ(test::At(page_, {101, 52}), kTrack);
  EXPECT_EQ(test::At(page_, {105, 52}), kThumb);
  // The see-through column belongs to the track: a click there, not a grab.
  EXPECT_EQ(ClickAt(101), std::vector<int>{1});
}

TEST_F(SliderBarTest, PositionSetOutsideTheRangeGoesToTheMinimumSilently) {
  QSignalSpy changed(bar_, &SliderBar::valueChanged);
  bar_->SetPos(4);
  EXPECT_EQ(bar_->Thumb().x(), 150);
  bar_->SetPos(6);
  EXPECT_EQ(bar_->Pos(), 1);
  EXPECT_EQ(bar_->Thumb().x(), 0);
  EXPECT_EQ(changed.count(), 0);
}

TEST_F(SliderBarTest, ArrowKeysMoveTheFocusedSlider) {
  auto* other = new QWidget(&page_);
  other->setFocusPolicy(Qt::TabFocus);
  other->show();
  QSignalSpy changed(bar_, &SliderBar::valueChanged);
  ASSERT_TRUE(bar_->hasFocus());
  EXPECT_EQ(test::At(page_, {100, 40}), kTrack) << "not framed without the keyboard";
  QTest::keyClick(&page_, Qt::Key_Tab);
  QTest::keyClick(&page_, Qt::Key_Tab);
  ASSERT_TRUE(bar_->hasFocus());
  QTest::keyClick(bar_, Qt::Key_Right);
  QTest::keyClick(bar_, Qt::Key_End);
  QTest::keyClick(bar_, Qt::Key_Right);
  ASSERT_EQ(changed.count(), 2);
  EXPECT_EQ(bar_->Pos(), 5);
  EXPECT_EQ(test::At(page_, {100, 40}), 0xe5533du);
}

TEST(SliderBar, WithoutAThumbPictureTheTrackStillTakesClicks) {
  QWidget page;
  page.resize(300, 40);
  auto* bar = new SliderBar(QPixmap(), Rect{0, 10, 200, 30}, 1, &page);
  bar->SetRange(0, 10);
  ASSERT_TRUE(test::ShowActive(page));
  QSignalSpy changed(bar, &SliderBar::valueChanged);
  test::Click(page, {100, 20});
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(bar->Pos(), 5);
  EXPECT_EQ(bar->Thumb().size(), QSize(0, 0));
}

}  // namespace
}  // namespace n63k::ui
