#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWidget>

#include "ui/widgets/WidgetTesting.h"
#include "ui/widgets/WindowDrag.h"

namespace n63k::ui {
namespace {

// A frameless window whose background drags it; the offscreen platform has
// no window manager, so the drag is done by hand.
class WindowDragTest : public ::testing::Test {
 protected:
  WindowDragTest() {
    window_.setWindowFlag(Qt::FramelessWindowHint);
    window_.setGeometry(100, 100, 200, 150);
    EXPECT_TRUE(test::ShowActive(window_));
  }

  void Send(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint local = global - window_.pos();
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    switch (type) {
      case QEvent::MouseButtonPress:
        drag_.Press(event);
        break;
      case QEvent::MouseMove:
        moved_ = drag_.Move(event);
        break;
      default:
        drag_.Release(event);
        break;
    }
  }

  QWidget window_;
  WindowDrag drag_{window_};
  bool moved_ = false;
};

TEST_F(WindowDragTest, TheLeftButtonCarriesTheWindowUntilReleased) {
  Send(QEvent::MouseButtonPress, {120, 110}, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, {150, 130}, Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(moved_);
  EXPECT_EQ(window_.pos(), QPoint(130, 120));
  Send(QEvent::MouseButtonRelease, {150, 130}, Qt::LeftButton, Qt::NoButton);
  Send(QEvent::MouseMove, {190, 170}, Qt::NoButton, Qt::NoButton);
  EXPECT_FALSE(moved_);
  EXPECT_EQ(window_.pos(), QPoint(130, 120));
}

TEST_F(WindowDragTest, OtherButtonsAndPlainMovesLeaveTheWindowWhereItIs) {
  Send(QEvent::MouseButtonPress, {120, 110}, Qt::RightButton, Qt::RightButton);
  Send(QEvent::MouseMove, {150, 130}, Qt::NoButton, Qt::RightButton);
  EXPECT_FALSE(moved_);
  // A move with the left button held that began outside the window.
  Send(QEvent::MouseMove, {160, 140}, Qt::NoButton, Qt::LeftButton);
  EXPECT_FALSE(moved_);
  EXPECT_EQ(window_.pos(), QPoint(100, 100));
}

}  // namespace
}  // namespace n63k::ui
