#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr QRgb kNormal = 0x102030;
constexpr QRgb kHover = 0x00a000;
constexpr QRgb kPressed = 0x0000c0;
constexpr QRgb kDisabled = 0x505050;
constexpr Rect kButtonRect{20, 10, 80, 40};

// A page whose four pictures are plain colours, with one button on it.
class BitmapButtonTest : public ::testing::Test {
 protected:
  BitmapButtonTest() {
    page_.resize(120, 60);
    page_.setMouseTracking(true);
    button_ = new BitmapButton(kButtonRect, &page_);
    button_->SetPictures(kButtonRect, {test::Plain({120, 60}, kNormal),
                                       test::Plain({120, 60}, kHover),
                                       test::Plain({120, 60}, kPressed),
                                       test::Plain({120, 60}, kDisabled),
                                       {},
                                       {}});
    EXPECT_TRUE(test::ShowActive(page_));
  }

  QRgb Shown() { return test::At(*button_, {2, 2}); }
  void Enter() { test::Move(page_, {50, 25}); }
  void Leave() { test::Move(page_, {5, 5}); }

  QWidget page_;
  BitmapButton* button_ = nullptr;
};

TEST_F(BitmapButtonTest, StateLookShowsPressedExactlyWhileStateIsOne) {
  button_->SetBehaviour(true, false);
  EXPECT_EQ(Shown(), kNormal);
  Enter();
  EXPECT_EQ(Shown(), kHover);
  test::Press(page_, {50, 25});
  EXPECT_EQ(Shown(), kHover) << "held down but state 0";
  test::Release(page_, {50, 25});
  button_->SetState(1);
  EXPECT_EQ(Shown(), kPressed);
  Leave();
  EXPECT_EQ(Shown(), kPressed);
  button_->SetState(0);
  EXPECT_EQ(Shown(), kNormal);
}

TEST_F(BitmapButtonTest, PushButtonShowsPressedOnlyWhileHeldAndClicksOnRelease) {
  QSignalSpy clicked(button_, &QAbstractButton::clicked);
  Enter();
  test::Press(page_, {50, 25});
  EXPECT_EQ(Shown(), kPressed);
  EXPECT_EQ(clicked.count(), 0);
  test::Release(page_, {50, 25});
  EXPECT_EQ(Shown(), kHover);
  EXPECT_EQ(clicked.count(), 1);
  Leave();
  EXPECT_EQ(Shown(), kNormal);
  button_->setEnabled(false);
  EXPECT_EQ(Shown(), kDisabled);
  Enter();
  EXPECT_EQ(Shown(), kDisabled) << "a disabled button never hovers";
}

TEST_F(BitmapButtonTest, HoverLookOffAndSecondPicturesChangeTheLooks) {
  button_->SetHoverLook(false);
  Enter();
  EXPECT_TRUE(button_->Hovering());
  EXPECT_EQ(Shown(), kNormal);
  button_->SetPictures(kButtonRect, {test::Plain({120, 60}, kNormal),
                                     {},
                                     test::Plain({120, 60}, kPressed),
                                     {},
                                     test::Plain({120, 60}, 0x777700),
                                     test::Plain({120, 60}, 0x007777)});
  button_->UseSecondPictures(true, true);
  EXPECT_EQ(Shown(), 0x777700u);
  button_->SetBehaviour(true, false);
  button_->SetState(1);
  EXPECT_EQ(Shown(), 0x007777u);
}

TEST_F(BitmapButtonTest, ClickTogglesFlipsTheStateOnPressAndReportsPressAndRelease) {
  button_->SetBehaviour(true, true);
  button_->SetPressReport(true);
  QSignalSpy reports(button_, &BitmapButton::pressReported);
  Enter();
  test::Press(page_, {50, 25});
  EXPECT_EQ(button_->State(), 1);
  ASSERT_EQ(reports.count(), 1);
  EXPECT_TRUE(reports.at(0).at(0).toBool());
  test::Release(page_, {50, 25});
  ASSERT_EQ(reports.count(), 2);
  EXPECT_FALSE(reports.at(1).at(0).toBool());
  EXPECT_EQ(button_->State(), 1);
  test::Click(page_, {50, 25});
  EXPECT_EQ(button_->State(), 0);
  EXPECT_EQ(Shown(), kHover);
}

TEST_F(BitmapButtonTest, CaptionIsDrawnInTheLooksColourAndMovesWithThePress) {
  button_->SetText(QStringLiteral("WW"));
  button_->SetTextColours(QColor(0xff, 0xff, 0x00), Qt::white, QColor(0xff, 0x00, 0xff));
  auto count = [&](QRgb colour) {
    const QImage shot = test::Shot(*button_);
    int n = 0;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) {
        n += (shot.pixel(x, y) & 0xffffffu) == colour ? 1 : 0;
      }
    }
    return n;
  };
  EXPECT_GT(count(0xffff00), 10);
  button_->SetBehaviour(true, false);
  button_->SetState(1);
  EXPECT_EQ(count(0xffff00), 0);
  EXPECT_GT(count(0xff00ff), 10);
  EXPECT_EQ(button_->accessibleName(), QStringLiteral("WW"));
}

TEST_F(BitmapButtonTest, TabReachesItSpaceAndEnterActivateIt) {
  auto* other = new BitmapButton(Rect{90, 10, 110, 40}, &page_);
  other->show();
  QSignalSpy clicked(button_, &QAbstractButton::clicked);
  ASSERT_TRUE(button_->hasFocus()) << "the window's first control";
  EXPECT_EQ(test::At(*button_, {0, 0}), kNormal) << "not framed without the keyboard";
  QTest::keyClick(&page_, Qt::Key_Tab);
  ASSERT_TRUE(other->hasFocus());
  QTest::keyClick(&page_, Qt::Key_Tab);
  ASSERT_TRUE(button_->hasFocus());
  EXPECT_EQ(test::At(*button_, {0, 0}), 0xe5533du) << "the focus frame";
  EXPECT_EQ(Shown(), kNormal);
  QTest::keyClick(button_, Qt::Key_Space);
  QTest::keyClick(button_, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 2);
}

TEST_F(BitmapButtonTest, PointerMovesOverItReachThePage) {
  struct Watcher : QObject {
    int moves = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      moves += event->type() == QEvent::MouseMove ? 1 : 0;
      return false;
    }
  } watcher;
  page_.installEventFilter(&watcher);
  test::Move(page_, {50, 25});
  test::Move(page_, {51, 26});
  EXPECT_GE(watcher.moves, 1);
}

TEST(BitmapButton, WithoutPicturesThePageShowsThroughUnderTheCaption) {
  QWidget page;
  page.resize(100, 40);
  page.setAutoFillBackground(true);
  QPalette colours = page.palette();
  colours.setColor(QPalette::Window, QColor(0x14, 0x17, 0x1c));
  page.setPalette(colours);
  auto* button = new BitmapButton(Rect{10, 10, 90, 30}, &page);
  button->SetPictures(Rect{10, 10, 90, 30}, {});
  button->SetText(QStringLiteral("OK"));
  ASSERT_TRUE(test::ShowActive(page));
  EXPECT_EQ(test::At(page, {12, 12}), 0x14171cu);
  EXPECT_EQ(test::At(page, {88, 28}), 0x14171cu);
}

}  // namespace
}  // namespace n63k::ui
