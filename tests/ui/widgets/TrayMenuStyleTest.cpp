#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "ui/widgets/TrayMenuStyle.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr QRgb kPanel = 0xdbd8d1;
constexpr QRgb kHighlight = 0xb1b9cf;

int CountColour(const QImage& shot, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      n += (shot.pixel(x, y) & 0xffffffu) == colour ? 1 : 0;
    }
  }
  return n;
}

TEST(TrayMenuStyle, TwoItemsOf75By22AndTheHoveredOneFramed) {
  QMenu menu;
  ApplyTrayMenuLook(menu);
  const QIcon icon(test::Plain({16, 16}, QColor(0x20, 0xa0, 0x20)));
  QAction* config = menu.addAction(icon, QStringLiteral("Config"));
  QAction* exit = menu.addAction(icon, QStringLiteral("Exit"));
  menu.popup(QPoint(200, 200));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));

  const QRect configRect = menu.actionGeometry(config);
  const QRect exitRect = menu.actionGeometry(exit);
  EXPECT_EQ(configRect, QRect(0, 0, 75, 22));
  EXPECT_EQ(exitRect, QRect(0, 22, 75, 22));
  EXPECT_EQ(menu.size(), QSize(75, 44));

  QTest::mouseMove(menu.windowHandle(), exitRect.center());
  ASSERT_EQ(menu.activeAction(), exit);
  const QImage shot = test::Shot(menu);
  EXPECT_EQ(shot.pixel(exitRect.topLeft()) & 0xffffffu, 0u) << "black frame";
  EXPECT_EQ(shot.pixel(exitRect.bottomRight()) & 0xffffffu, 0u);
  EXPECT_EQ(shot.pixel(exitRect.topLeft() + QPoint(1, 1)) & 0xffffffu, kHighlight);
  EXPECT_EQ(shot.pixel(exitRect.topLeft() + QPoint(2, 2)) & 0xffffffu, 0x20a020u) << "icon";
  EXPECT_EQ(shot.pixel(configRect.topLeft()) & 0xffffffu, kPanel) << "not framed";
  EXPECT_EQ(shot.pixel(configRect.topLeft() + QPoint(3, 3)) & 0xffffffu, 0x20a020u);
  // The hovered text is blue, the other black; both centred right of x 33.
  const QRect exitText(exitRect.left() + 33, exitRect.top() + 1, 41, 20);
  int blue = 0;
  for (int y = exitText.top(); y <= exitText.bottom(); ++y) {
    for (int x = exitText.left(); x <= exitText.right(); ++x) {
      const QRgb p = shot.pixel(x, y);
      blue += qBlue(p) > 0x70 && qRed(p) < 0x40 ? 1 : 0;
    }
  }
  EXPECT_GT(blue, 5);
  const QRect configText(configRect.left() + 33, configRect.top(), 42, 22);
  EXPECT_GT(CountColour(shot, configText, 0x000000), 5);
  EXPECT_EQ(CountColour(shot, QRect(25, 0, 8, 22), 0x000000), 0) << "nothing left of x 33";
  menu.close();
}

}  // namespace
}  // namespace n63k::ui
