#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "ui/widgets/SkinScrollBar.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr int kCell = 18;

// A skin whose every cell is one colour: column c, row r gives red c * 20,
// green r * 60.
QPixmap CellPicture() {
  QImage image(9 * kCell + 1, 3 * kCell, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, qRgb(std::min(x / kCell, 8) * 20, y / kCell * 60, 0));
    }
  }
  return QPixmap::fromImage(image);
}

QRgb CellColour(int column, int row) {
  return static_cast<QRgb>(column * 20) << 16 | static_cast<QRgb>(row * 60) << 8;
}

// A list of 40 rows of which about 7 show, with the skinned bars.
class SkinScrollBarTest : public ::testing::Test {
 protected:
  SkinScrollBarTest() {
    list_.resize(150, 136);
    list_.setFrameShape(QFrame::NoFrame);
    list_.setUniformItemSizes(true);
    for (int i = 0; i < 40; ++i) {
      list_.addItem(QString::number(i));
    }
    AttachSkinScroll(list_, CellPicture());
    EXPECT_TRUE(test::ShowActive(list_));
    bar_ = static_cast<SkinScrollBar*>(list_.verticalScrollBar());
  }

  QPoint OnBar(int along) { return bar_->mapTo(&list_, QPoint(kCell / 2, along)); }
  QRgb BarPixel(int along) { return test::At(list_, OnBar(along)); }

  QListWidget list_;
  SkinScrollBar* bar_ = nullptr;
};

TEST_F(SkinScrollBarTest, OneCellThickBesideTheListWithItsParts) {
  ASSERT_TRUE(bar_->isVisible());
  EXPECT_EQ(bar_->width(), kCell);
  EXPECT_EQ(bar_->mapTo(&list_, QPoint(kCell - 1, 0)).x(), list_.width() - 1);
  const ScrollLayout layout = bar_->Model().Layout();
  EXPECT_GE(layout.thumb, 6);
  EXPECT_EQ(BarPixel(2), CellColour(0, 0));
  EXPECT_EQ(BarPixel(bar_->height() - 2), CellColour(1, 0));
  EXPECT_EQ(BarPixel(kCell + layout.thumbOffset + layout.thumb / 2), CellColour(2, 0));
  EXPECT_EQ(BarPixel(bar_->height() - kCell - 2), CellColour(3, 0));
}

TEST_F(SkinScrollBarTest, ArrowsLookHoveredAndPressedAndScrollALine) {
  const int down = bar_->height() - kCell / 2;
  test::Move(list_, OnBar(down));
  EXPECT_EQ(BarPixel(down), CellColour(1, 1));
  test::Press(list_, OnBar(down));
  EXPECT_EQ(bar_->value(), 1);
  EXPECT_EQ(BarPixel(down), CellColour(1, 2));
  test::Release(list_, OnBar(down));
  EXPECT_EQ(BarPixel(down), CellColour(1, 1));
  test::Click(list_, OnBar(kCell / 2));
  EXPECT_EQ(bar_->value(), 0);
}

TEST_F(SkinScrollBarTest, TrackPagesAndThumbDrags) {
  test::Click(list_, OnBar(bar_->height() - kCell - 2));
  EXPECT_EQ(bar_->value(), bar_->pageStep());
  const ScrollLayout layout = bar_->Model().Layout();
  const int thumb = kCell + layout.thumbOffset + layout.thumb / 2;
  test::Press(list_, OnBar(thumb));
  test::Move(list_, OnBar(bar_->height() - 1));
  EXPECT_EQ(bar_->value(), bar_->maximum()) << "the list follows the drag";
  test::Move(list_, OnBar(0));
  test::Release(list_, OnBar(0));
  EXPECT_EQ(bar_->value(), 0);
  EXPECT_FALSE(bar_->Model().Dragging());
}

TEST_F(SkinScrollBarTest, ShortListHasNoBarToUse) {
  while (list_.count() > 3) {
    delete list_.takeItem(0);
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar_->Model().Enabled());
  EXPECT_EQ(bar_->Model().Layout().thumb, 0);
}

}  // namespace
}  // namespace n63k::ui
