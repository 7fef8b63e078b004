#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "core/pages/LanguageMenuLayout.h"
#include "core/pages/SkinFiles.h"
#include "ui/windows/LanguageMenuWindow.h"
#include "ui/windows/SkinFolder.h"

namespace n63k::ui {
namespace {

const QColor kFlag(10, 200, 30);
const QColor kHighlight(0, 147, 209);

struct LanguageMenuFixture : ::testing::Test {
  test::SkinFolder skins;
  LanguageMenuWindow* menu = nullptr;
  // Null once the menu has deleted itself.
  QPointer<LanguageMenuWindow> alive;
  std::unique_ptr<QSignalSpy> chosen;
  std::unique_ptr<QSignalSpy> closed;

  LanguageMenuFixture() {
    skins.Paint(skin_files::kLanguageMenuPanel, 65, 65, Qt::white);
    for (int n = 1; n <= kLanguageCount; ++n) {
      skins.Paint(std::string(skin_files::kFlagFolder) + "/Small_" + std::to_string(n) + ".png",
                  language_menu::kFlagWidth, language_menu::kFlagHeight, kFlag);
    }
  }
  ~LanguageMenuFixture() override { delete alive.data(); }

  void Open(LanguageMenuWindow::Look look = LanguageMenuWindow::Look::kOpaque) {
    delete alive.data();
    menu = new LanguageMenuWindow(skins.path(), look);
    alive = menu;
    chosen = std::make_unique<QSignalSpy>(menu, &LanguageMenuWindow::languageChosen);
    closed = std::make_unique<QSignalSpy>(menu, &LanguageMenuWindow::closed);
    menu->PopUp(QRect(400, 500, 42, 18));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  }

  static QPoint Row(int number) {
    const Rect r = language_menu::ItemRect(number - 1);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

using LanguageMenuWindowTest = LanguageMenuFixture;

TEST_F(LanguageMenuWindowTest, IsA116By273PopupAboveTheButton) {
  Open();
  EXPECT_EQ(menu->size(), QSize(116, 273));
  EXPECT_TRUE(menu->windowFlags().testFlag(Qt::Popup));
  EXPECT_EQ(menu->pos(), QPoint(396, 518 - 287));
}

TEST_F(LanguageMenuWindowTest, ClickingEnglishReportsTwoAndCloses) {
  Open();
  QTest::mouseMove(menu, Row(2));
  QTest::mouseClick(menu, Qt::LeftButton, {}, Row(2));
  ASSERT_EQ(chosen->count(), 1);
  EXPECT_EQ(chosen->at(0).at(0).toInt(), 2);
  EXPECT_EQ(closed->count(), 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

TEST_F(LanguageMenuWindowTest, PressingOnOneItemAndReleasingOnAnotherReportsNothing) {
  Open();
  QTest::mouseMove(menu, Row(3));
  QTest::mousePress(menu, Qt::LeftButton, {}, Row(3));
  QTest::mouseMove(menu, Row(5));
  QTest::mouseRelease(menu, Qt::LeftButton, {}, Row(5));
  EXPECT_EQ(chosen->count(), 0);
  ASSERT_FALSE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->model().Highlighted(), LanguageMenuModel::kNoItem);
}

TEST_F(LanguageMenuWindowTest, TheHoveredRowIsFilledAndFlagsSitInTheirColumn) {
  Open();
  QTest::mouseMove(menu, Row(4));
  const QImage image = menu->grab().toImage();
  const Rect hovered = language_menu::ItemRect(3);
  const Rect other = language_menu::ItemRect(6);
  EXPECT_EQ(image.pixelColor(hovered.left + 1, hovered.top + 1), kHighlight);
  EXPECT_EQ(image.pixelColor(other.left + 1, other.top + 1), Qt::white);
  // A 19-pixel flag centred in the 25-pixel column, 11 pixels centred in 22.
  EXPECT_EQ(image.pixelColor(other.left + 3, other.top + 5), kFlag);
  EXPECT_EQ(image.pixelColor(other.left + 21, other.top + 15), kFlag);
  EXPECT_EQ(image.pixelColor(other.left + 2, other.top + 5), Qt::white);
  EXPECT_EQ(image.pixelColor(other.left + 3, other.top + 16), Qt::white);
  // The opaque look frames the list in the accent blue.
  EXPECT_EQ(image.pixelColor(0, 0), kHighlight);
  EXPECT_EQ(image.pixelColor(1, 1), Qt::white);
}

TEST_F(LanguageMenuWindowTest, KeyboardChoosesAndEscapeClosesWithoutAChoice) {
  Open();
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  ASSERT_EQ(chosen->count(), 1);
  EXPECT_EQ(chosen->at(0).at(0).toInt(), 2);

  Open();
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_EQ(chosen->count(), 0);
  EXPECT_EQ(closed->count(), 1);
}

TEST(LanguageMenuLook, WithoutACompositingWindowSystemTheListIsOpaque) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    GTEST_SKIP() << "only the offscreen platform surely blends nothing";
  }
  EXPECT_EQ(LanguageMenuWindow::DesktopLook(), LanguageMenuWindow::Look::kOpaque);
}

TEST_F(LanguageMenuWindowTest, TheTranslucentLookStretchesThePanel) {
  Open(LanguageMenuWindow::Look::kTranslucent);
  EXPECT_TRUE(menu->testAttribute(Qt::WA_TranslucentBackground));
  const QImage image = menu->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
  EXPECT_EQ(image.pixelColor(115, 272), Qt::white);
}

}  // namespace
}  // namespace n63k::ui
