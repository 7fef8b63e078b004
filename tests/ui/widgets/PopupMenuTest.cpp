#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "ui/widgets/PopupMenu.h"
#include "ui/widgets/TrayMenuStyle.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

class PopupMenuTest : public ::testing::Test {
 protected:
  PopupMenuTest() {
    owner_.resize(300, 200);
    EXPECT_TRUE(test::ShowActive(owner_));
  }

  void OpenGroups() {
    menu_.Open(owner_.mapToGlobal(QPoint(20, 20)),
               {MakePopupMenuItem(0x10001, "Counter-Strike: Global Offensive"),
                MakePopupMenuItem(2, "Dota 2"), MakePopupMenuItem(3, "Custom")});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu_.Menu()));
  }

  QWidget owner_;
  PopupMenu menu_{&owner_};
};

TEST_F(PopupMenuTest, ChosenItemIsReportedAfterwardsByItsCommand) {
  QSignalSpy picked(&menu_, &PopupMenu::picked);
  OpenGroups();
  QMenu& menu = *menu_.Menu();
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), 3);
  const QRect first = menu.actionGeometry(actions[0]);
  EXPECT_EQ(first.height(), TrayMenuStyle::kItemHeight);
  EXPECT_GT(first.width(), TrayMenuStyle::kItemWidth) << "a long game name keeps its room";
  EXPECT_EQ(menu.actionGeometry(actions[1]).width(), first.width());
  QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(actions[0]).center());
  EXPECT_EQ(picked.count(), 0) << "reported a moment later, as a posted notice";
  QCoreApplication::processEvents();
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked.at(0).at(0).value<std::uint16_t>(), 1);
  EXPECT_FALSE(menu_.IsOpen());
}

TEST_F(PopupMenuTest, CloseEndsAnOpenMenuAndIsHarmlessWithoutOne) {
  QSignalSpy picked(&menu_, &PopupMenu::picked);
  menu_.Close();
  EXPECT_FALSE(menu_.IsOpen());
  OpenGroups();
  EXPECT_TRUE(menu_.IsOpen());
  OpenGroups();  // a second open replaces the first
  menu_.Close();
  EXPECT_FALSE(menu_.IsOpen());
  QCoreApplication::processEvents();
  EXPECT_EQ(picked.count(), 0);
}

}  // namespace
}  // namespace n63k::ui
