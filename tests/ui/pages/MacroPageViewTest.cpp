#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>
#include <vector>

#include "core/buttons/FunctionCatalogue.h"
#include "core/macro/GameGroups.h"
#include "support/MacroPageWorld.h"
#include "support/Macros.h"
#include "support/TestFiles.h"
#include "ui/pages/MacroPageView.h"
#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/PopupMenu.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

using macro_page::Control;

QPoint Centre(Control control) {
  const Rect r = macro_page::RectOf(control, false);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct MacroPageViewTest : ::testing::Test, test::MacroPageWorld {
  MacroPageViewTest() : MacroPageWorld(0x02000000) {
    EXPECT_TRUE(table.PutMacro(test::StoredMacro(0x15000001, "Reload", {0xC0000041, 0xE0000041})));
    EXPECT_TRUE(table.PutMacro(test::StoredMacro(0x03000002, "Spray", {0xC0000042})));
  }

  void Open() {
    model = std::make_unique<MacroPageModel>(Settings());
    view = std::make_unique<MacroPageView>(*model, N63K_PROGRAM_DIR);
    model->ListGroup(kCustomGroup);
    EXPECT_TRUE(test::ShowActive(*view));
  }

  std::unique_ptr<MacroPageModel> model;
  std::unique_ptr<MacroPageView> view;
};

TEST_F(MacroPageViewTest, NewMacroOpensTheRenameInPlaceAndKeepsTheName) {
  Open();
  test::Click(*view, Centre(Control::kNewMacro));
  SkinListBox* list = view->MacroList();
  ASSERT_EQ(list->count(), 2);
  auto* editor = list->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "New Macro");
  QTest::keyClicks(editor, "Burst");
  QTest::keyClick(editor, Qt::Key_Return);
  Settle();
  EXPECT_EQ(model->Macros()[1].name, "Burst");
  EXPECT_EQ(list->item(1)->text(), "Burst");
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(view->EventList()->count(), 0);
  EXPECT_EQ(view->Field(Control::kLoopField)->text(), "1");
}

TEST_F(MacroPageViewTest, ARenameUnderWayWhenAnotherProgramChangesTheMacrosIsKept) {
  Open();
  test::Click(*view, Centre(Control::kNewMacro));
  SkinListBox* list = view->MacroList();
  auto* editor = list->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "Burst");
  // What the main window does when the macro file changed on disk.
  EXPECT_TRUE(table.PutMacro(test::StoredMacro(0x15000003, "Later", {0xC0000043})));
  model->RefreshMacros();
  Settle();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(1)->text(), "Later");
  EXPECT_EQ(list->item(2)->text(), "Burst");
  EXPECT_EQ(model->Macros()[2].name, "Burst");
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(MacroPageViewTest, DeleteEventLeavesNoEventSelectedSoASecondClickDeletesNothing) {
  Open();
  SkinListBox* events = view->EventList();
  ASSERT_EQ(events->count(), 2);
  ASSERT_EQ(events->currentRow(), 1);
  test::Click(*view, Centre(Control::kDeleteEvent));
  EXPECT_EQ(events->count(), 1);
  EXPECT_EQ(events->currentRow(), -1);
  test::Click(*view, Centre(Control::kDeleteEvent));
  EXPECT_EQ(events->count(), 1);
  const MacroRecord* stored = table.FindMacro(0x15000001);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->eventCount, 1u);
}

TEST_F(MacroPageViewTest, RecordsKeysAndPicturePressesPostedToThePage) {
  Open();
  test::Click(*view, Centre(Control::kRecord));
  ASSERT_TRUE(model->Recording());
  EXPECT_EQ(view->Button(Control::kRecord)->text(), "Stop Record");
  EXPECT_FALSE(view->Button(Control::kNewMacro)->isEnabled());
  // The page reads the tick when the queued key reaches it.
  hooks.OnKey(0x41, 0);
  Settle();
  clock.Advance(120);
  hooks.OnKey(0x41, key_flag::kRelease);
  Settle();
  clock.Advance(30);
  test::Press(*view, Centre(Control::kLeftPicture));
  test::Release(*view, Centre(Control::kLeftPicture));
  Settle();
  test::Click(*view, Centre(Control::kRecord));
  EXPECT_FALSE(model->Recording());
  SkinListBox* events = view->EventList();
  // The picture's press and release came at one tick: a delay of 0 between.
  ASSERT_EQ(events->count(), 7);
  EXPECT_EQ(events->item(0)->text(), "A");
  EXPECT_EQ(events->item(1)->text(), "120  ms");
  EXPECT_EQ(events->item(3)->text(), "30  ms");
  EXPECT_EQ(events->item(4)->text(), "Left Button");
  EXPECT_EQ(events->ItemData(4), 0x03000001u);
  EXPECT_EQ(events->ItemData(6), 0x02000001u);
  const MacroRecord* stored = table.FindMacro(0x15000001);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->eventCount, 7u);
  EXPECT_EQ(stored->events[4], 0xC0000001u);
}

TEST_F(MacroPageViewTest, DeleteOfAMacroInUseShowsTheMessageAndKeepsIt) {
  current.buttons[2].functionCode = kFunctionMacro;
  current.buttons[2].macroId = 0x15000001;
  Open();
  test::Click(*view, Centre(Control::kDeleteMacro));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"The macro is being applied and cannot be deleted!"});
  EXPECT_EQ(view->MacroList()->count(), 1);
  EXPECT_NE(table.FindMacro(0x15000001), nullptr);
}

TEST_F(MacroPageViewTest, PickingAGroupFromTheMenuListsItsMacros) {
  Open();
  EXPECT_EQ(view->Button(Control::kGroupButton)->text(), "Customisze");
  test::Click(*view, Centre(Control::kGroupButton));
  QMenu* menu = view->GroupMenu()->Menu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 21);
  EXPECT_EQ(menu->actions()[20]->text(), "Customize");
  menu->actions()[2]->trigger();
  menu->close();
  Settle();
  EXPECT_EQ(model->Group(), 3);
  ASSERT_EQ(view->MacroList()->count(), 1);
  EXPECT_EQ(view->MacroList()->item(0)->text(), "Spray");
  EXPECT_EQ(view->Button(Control::kGroupButton)->text(), "Counter-Strike: Global Offensive");
  EXPECT_FALSE(model->GroupMenuOpen());
}

}  // namespace
}  // namespace n63k::ui
