#include <gtest/gtest.h>

#include <QImage>

#include "support/TestFiles.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

void Save(const std::filesystem::path& file, QSize size, QColor colour) {
  std::filesystem::create_directories(file.parent_path());
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
}

QRgb Pixel(const QPixmap& picture, QPoint p) {
  return picture.toImage().pixel(p) & 0xffffffu;
}

class SkinPictureTest : public ::testing::Test {
 protected:
  test::TempDir folder_;
};

TEST_F(SkinPictureTest, TakesTheDoubleSizedPictureOnlyOnScaledScreens) {
  Save(folder_ / "skins/Main_Normal.bmp", {10, 8}, Qt::red);
  Save(folder_ / "skins/Main_Normal@2x.bmp", {20, 16}, Qt::green);
  Save(folder_ / "skins/Slider.png", {6, 4}, Qt::blue);
  struct Case {
    std::string_view name;
    qreal screen;
    QRgb colour;
    qreal ratio;
  };
  const Case cases[] = {
      {"skins/Main_Normal.bmp", 1.0, 0xff0000, 1.0},
      {"skins/Main_Normal.bmp", 1.5, 0x00ff00, 2.0},
      {"skins/Main_Normal.bmp", 2.0, 0x00ff00, 2.0},
      {"skins/Slider.png", 2.0, 0x0000ff, 1.0},  // no large one beside it
  };
  for (const Case& c : cases) {
    const QPixmap picture = LoadSkinPicture(folder_.path(), c.name, c.screen);
    ASSERT_FALSE(picture.isNull()) << c.name;
    EXPECT_EQ(Pixel(picture, {0, 0}), c.colour) << c.name << " at " << c.screen;
    EXPECT_EQ(picture.devicePixelRatio(), c.ratio) << c.name << " at " << c.screen;
  }
  EXPECT_EQ(LogicalSize(LoadSkinPicture(folder_.path(), "skins/Main_Normal.bmp", 2.0)),
            QSize(10, 8));
}

TEST_F(SkinPictureTest, MissingOrDamagedPicturesAreNull) {
  test::WriteText(folder_ / "skins/Broken.png", "not a picture");
  EXPECT_TRUE(LoadSkinPicture(folder_.path(), "skins/Missing.bmp", 1.0).isNull());
  EXPECT_TRUE(LoadSkinPicture(folder_.path(), "skins/Missing.bmp", 2.0).isNull());
  EXPECT_TRUE(LoadSkinPicture(folder_.path(), "skins/Broken.png", 1.0).isNull());
  EXPECT_TRUE(CutSkinPicture(QPixmap(), Rect{0, 0, 4, 4}).isNull());
}

TEST(CutSkinPicture, CutsInLogicalPixelsAtEitherRatio) {
  for (const qreal ratio : {1.0, 2.0}) {
    QImage image((QSizeF(20, 10) * ratio).toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    // One marked logical pixel at (5, 3).
    for (int dy = 0; dy < int(ratio); ++dy) {
      for (int dx = 0; dx < int(ratio); ++dx) {
        image.setPixel(int(5 * ratio) + dx, int(3 * ratio) + dy, 0xffffffff);
      }
    }
    image.setDevicePixelRatio(ratio);
    const QPixmap piece = CutSkinPicture(QPixmap::fromImage(image), Rect{4, 2, 10, 6});
    EXPECT_EQ(LogicalSize(piece), QSize(6, 4)) << ratio;
    EXPECT_EQ(piece.devicePixelRatio(), ratio);
    EXPECT_EQ(Pixel(piece, QPoint(int(1 * ratio), int(1 * ratio))), 0xffffffu) << ratio;
    EXPECT_EQ(Pixel(piece, QPoint(0, 0)), 0u) << ratio;
  }
}

TEST(CutSkinPicture, OutsideThePictureIsSeeThroughAndEmptyPiecesAreNull) {
  const QPixmap page = test::Plain({10, 10}, Qt::red);
  const QImage piece = CutSkinPicture(page, Rect{8, 8, 12, 12}).toImage();
  ASSERT_EQ(piece.size(), QSize(4, 4));
  EXPECT_EQ(qAlpha(piece.pixel(0, 0)), 255);
  EXPECT_EQ(qAlpha(piece.pixel(3, 3)), 0);
  EXPECT_TRUE(CutSkinPicture(page, Rect{3, 3, 3, 8}).isNull());
  EXPECT_TRUE(CutSkinPicture(page, Rect{5, 5, 2, 2}).isNull());
}

}  // namespace
}  // namespace n63k::ui
