#include <gtest/gtest.h>

#include <QTest>

#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

TEST(BitmapEdit, ShowsThePagePictureUnderItAndKeepsAtMost256Characters) {
  QWidget page;
  page.resize(200, 60);
  QImage picture(200, 60, QImage::Format_RGB32);
  picture.fill(0xff101010);
  picture.setPixel(52, 28, 0xffff8000);  // one marked pixel under the box
  const Rect rect{40, 20, 160, 40};
  auto* edit = new BitmapEdit(rect, 14, &page);
  edit->SetBackground(rect, QPixmap::fromImage(picture));
  ASSERT_TRUE(test::ShowActive(page));

  EXPECT_EQ(test::At(*edit, {12, 8}), 0xff8000u);
  EXPECT_EQ(test::At(*edit, {100, 3}), 0x101010u);
  edit->setText(QString(300, QLatin1Char('x')));
  EXPECT_EQ(edit->text().size(), 256);
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("Macro 1"));
  EXPECT_EQ(edit->text(), QStringLiteral("Macro 1"));
  EXPECT_EQ(edit->font().pixelSize(), 14);
  EXPECT_FALSE(edit->hasFrame());
}

}  // namespace
}  // namespace n63k::ui
