#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/widgets/ColourButton.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

TEST(ColourButton, FrameTellsTheStateApartAroundTheColour) {
  QWidget page;
  page.resize(100, 60);
  auto* swatch = new ColourButton(QRect(20, 20, 30, 20), &page);
  swatch->SetColour(QColor(0x11, 0x99, 0x22));
  ASSERT_TRUE(test::ShowActive(page));
  QSignalSpy clicked(swatch, &QAbstractButton::clicked);
  auto frame = [&] { return test::At(*swatch, {0, 0}); };

  EXPECT_EQ(frame(), 0x119922u) << "no frame";
  EXPECT_EQ(test::At(*swatch, {15, 10}), 0x119922u);
  swatch->SetFrame(true);
  EXPECT_EQ(frame(), 0x313439u);
  test::Move(page, {30, 30});
  EXPECT_EQ(frame(), 0xe8be1cu);
  test::Press(page, {30, 30});
  EXPECT_EQ(frame(), 0xd31814u);
  EXPECT_EQ(clicked.count(), 0);
  test::Release(page, {30, 30});
  EXPECT_EQ(clicked.count(), 1);
  swatch->SetSelected(true);
  EXPECT_EQ(frame(), 0x393839u);
  EXPECT_EQ(test::At(*swatch, {29, 19}), 0x393839u) << "the far corner";
}

}  // namespace
}  // namespace n63k::ui
