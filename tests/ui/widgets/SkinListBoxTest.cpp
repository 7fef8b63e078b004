#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "core/pages/ListItems.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

class SkinListBoxTest : public ::testing::Test {
 protected:
  SkinListBoxTest() {
    list_.resize(180, 120);
    list_.SetRenameEnabled(true);
    list_.SetItemHeight(16);
    list_.AddItem(0, "Rapid fire", 0x15000001, false);
    list_.AddItem(0, "Reload", 0x15000002, false);
    EXPECT_TRUE(test::ShowActive(list_));
  }

  QPoint ItemCentre(int row) { return list_.visualItemRect(list_.item(row)).center(); }
  QLineEdit* Editor() { return list_.viewport()->findChild<QLineEdit*>(); }
  // The editor commits a moment after its key.
  static void Type(QLineEdit* editor, Qt::Key key) {
    QTest::keyClick(editor, key);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void StartRename(int row) {
    const QPoint at = list_.viewport()->mapTo(&list_, ItemCentre(row));
    test::Click(list_, at);
    test::DoubleClick(list_, at);
  }

  SkinListBox list_{N63K_PROGRAM_DIR};
};

TEST_F(SkinListBoxTest, RenameInPlaceCommitsOnEnterFocusLossAndFinishButNotOnEscape) {
  QSignalSpy renamed(&list_, &SkinListBox::renamed);
  StartRename(1);
  QLineEdit* editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->maxLength(), kListRenameLimit);
  EXPECT_EQ(editor->selectedText(), "Reload") << "all text selected";
  QTest::keyClicks(editor, "Burst");
  Type(editor, Qt::Key_Return);
  ASSERT_EQ(renamed.count(), 1);
  EXPECT_EQ(renamed.at(0).at(0).toInt(), 1);
  EXPECT_EQ(list_.item(1)->text(), "Burst");
  EXPECT_EQ(list_.ItemData(1), 0x15000002u) << "the item keeps its data";

  StartRename(1);
  QTest::keyClicks(Editor(), "Other");
  Type(Editor(), Qt::Key_Escape);
  EXPECT_EQ(renamed.count(), 1) << "Escape tells nothing";
  EXPECT_EQ(list_.item(1)->text(), "Burst");

  StartRename(0);
  Type(Editor(), Qt::Key_Return);
  EXPECT_EQ(renamed.count(), 2) << "an unchanged text is still a finished rename";

  StartRename(0);
  QTest::keyClicks(Editor(), "Spray");
  list_.setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(renamed.count(), 3) << "losing the focus commits";
  EXPECT_EQ(list_.item(0)->text(), "Spray");

  StartRename(1);
  QTest::keyClicks(Editor(), "Rapid");
  list_.FinishEdit();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(renamed.count(), 4) << "the program finishing the edit commits";
  EXPECT_EQ(list_.item(1)->text(), "Rapid");
  EXPECT_EQ(Editor(), nullptr);
  list_.FinishEdit();
  EXPECT_EQ(renamed.count(), 4) << "without an editor nothing is told";
}

TEST_F(SkinListBoxTest, OnlyTheUsersSelectionIsReported) {
  QSignalSpy selected(&list_, &SkinListBox::selectionChangedByUser);
  list_.AddItem(0, "Third", 3, false);
  list_.Select(0);
  EXPECT_EQ(selected.count(), 0);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(1));
  ASSERT_EQ(selected.count(), 1);
  EXPECT_EQ(selected.at(0).at(0).toInt(), 1);
  QTest::keyClick(list_.viewport(), Qt::Key_Down);
  EXPECT_EQ(selected.count(), 2);
}

TEST_F(SkinListBoxTest, TypedItemsCarryTheirTypeAndTurnIconsOnForTheList) {
  EXPECT_FALSE(list_.IconsShown());
  list_.AddItem(3, "A", 0x7F000041, false);
  EXPECT_TRUE(list_.IconsShown());
  EXPECT_EQ(list_.ItemData(2), 0x03000041u) << "the type replaces the value's top byte";
  EXPECT_FALSE(list_.Icon(3, false).isNull());
  EXPECT_FALSE(list_.Icon(4, true).isNull());
  EXPECT_TRUE(list_.Icon(1, false).isNull());
  list_.AddItem(0, "plain", 0x15000003, false);
  EXPECT_FALSE(list_.IconsShown()) << "an untyped item turns the icons off";
  EXPECT_EQ(list_.currentRow(), 3) << "the added item is selected";
  // The text of a typed item moves right of its icon only while icons show.
  EXPECT_EQ(ListTextLeft(true, 3, 16), 26);
  EXPECT_EQ(ListTextLeft(true, 0, 16), 5);
  EXPECT_EQ(ListTextLeft(false, 3, 16), 5);
}

TEST_F(SkinListBoxTest, InsertedAndReplacedItemsAreSelectedInPlace) {
  QSignalSpy selected(&list_, &SkinListBox::selectionChangedByUser);
  list_.InsertItem(1, 4, "Delay 50 ms", 50);
  EXPECT_EQ(list_.currentRow(), 1);
  EXPECT_EQ(list_.ItemData(1), 0x04000032u);
  list_.SetItem(0, 2, "Up A", 0x41);
  EXPECT_EQ(list_.count(), 3);
  EXPECT_EQ(list_.item(0)->text(), "Up A");
  EXPECT_EQ(list_.ItemData(0), 0x02000041u);
  EXPECT_EQ(list_.currentRow(), 0);
  list_.DeleteItem(0);
  EXPECT_EQ(list_.item(0)->text(), "Delay 50 ms");
  list_.ResetContent();
  EXPECT_EQ(list_.count(), 0);
  EXPECT_EQ(selected.count(), 0) << "the program's own changes are not the user's";
}

TEST_F(SkinListBoxTest, ItemsPaintInTheListsColours) {
  list_.SetColours(QColor(0x0f, 0x0f, 0x0f), QColor(0x25, 0x25, 0x25));
  list_.Select(0);
  const QPoint unselected = list_.viewport()->mapTo(&list_, ItemCentre(1) + QPoint(70, 0));
  const QPoint selected = list_.viewport()->mapTo(&list_, ItemCentre(0) + QPoint(70, 0));
  EXPECT_EQ(test::At(list_, unselected), 0x0f0f0fu);
  EXPECT_EQ(test::At(list_, selected), 0x252525u);
}

}  // namespace
}  // namespace n63k::ui

namespace n63k::ui {
namespace {

// A tool tip asked for over each row: the text it shows, empty for none.
QString ToolTipOver(SkinListBox& list, int row) {
  const QPoint at = list.visualItemRect(list.item(row)).center();
  QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
  QCoreApplication::sendEvent(list.viewport(), &event);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Only a cut entry offers its whole text.
TEST(SkinListBoxToolTipTest, ShowsTheWholeTextOfACutEntryOnly) {
  SkinListBox list{N63K_PROGRAM_DIR};
  list.resize(180, 120);
  list.AddItem(0, "Counter-Strike: Global Offensive", 1, false);
  list.AddItem(0, "Reload", 2, false);
  ASSERT_TRUE(test::ShowActive(list));
  EXPECT_EQ(ToolTipOver(list, 1), QString());
  EXPECT_EQ(ToolTipOver(list, 0), "Counter-Strike: Global Offensive");
}

}  // namespace
}  // namespace n63k::ui
