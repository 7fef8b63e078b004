#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "core/base/Utf.h"
#include "core/pages/ChooserLayout.h"
#include "support/Macros.h"
#include "support/TestFiles.h"
#include "ui/chooser/AdvancedPage.h"
#include "ui/chooser/BasicPage.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/CombinationPage.h"
#include "ui/chooser/MacroPage.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/SkinScrollBar.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

constexpr std::uint32_t kMacroId = 0x05000042;

class ChooserWindowTest : public ::testing::Test {
 protected:
  ChooserWindowTest() {
    localisation_.chineseUi = false;
    localisation_.texts.Set("str_find", "Search");
    localisation_.texts.Set("str_back", "Back");
    BuildDefaultProfile(record_, false);
    EXPECT_TRUE(macros_.PutMacro(test::StoredMacro(kMacroId, "Reload")));
    hooks_.SetMainWindow(&mainWindow_);
  }

  std::unique_ptr<ChooserWindow> Open(int slot) {
    auto window = std::make_unique<ChooserWindow>(context_, slot, nullptr);
    EXPECT_TRUE(test::ShowActive(*window));
    return window;
  }

  // A click in the middle of `widget`, as the pointer gives it to the window.
  static void ClickOn(ChooserWindow& window, QWidget& widget) {
    test::Click(window, widget.mapTo(&window, widget.rect().center()));
  }
  static void ClickItem(ChooserWindow& window, SkinListBox& list, int row) {
    const QRect item = list.visualItemRect(list.item(row));
    ASSERT_TRUE(list.viewport()->rect().contains(item.center())) << "row " << row << " hidden";
    test::Click(window, list.viewport()->mapTo(&window, item.center()));
  }

  std::int32_t Code(int slot) const {
    return record_.buttons[static_cast<std::size_t>(slot)].functionCode;
  }
  std::string Caption(int slot) const {
    return FixedText(record_.buttons[static_cast<std::size_t>(slot)].caption);
  }

  class Receiver final : public InputReceiver {
   public:
    void CapturedInput(std::uint32_t, std::uint32_t) override {}
    void PcAction(std::uint32_t) override {}
  };

  ProfileRecord record_;
  ButtonMacroIds macroIds_{};
  MacroTable macros_;
  test::RecordingMessages messages_;
  Localisation localisation_;
  UsKeyCharacters keys_;
  FunctionAssignment assignment_{record_, macroIds_, macros_, messages_, localisation_, keys_};
  MouseWatchList watchList_;
  InputHooks hooks_{watchList_};
  Receiver mainWindow_;
  std::optional<QString> browsed_;
  ChooserContext context_{record_,
                          assignment_,
                          localisation_,
                          macros_,
                          keys_,
                          hooks_,
                          messages_,
                          N63K_PROGRAM_DIR,
                          [this](const BrowseDialog&) { return browsed_; }};
};

TEST_F(ChooserWindowTest, BasicItemChosenByClicksIsAssignedToTheSlot) {
  auto window = Open(2);
  EXPECT_EQ(window->size(), QSize(chooser::kWidth, chooser::kHeight));
  EXPECT_TRUE(window->combinationPage()->isVisible());
  ClickOn(*window, *window->tab(ChooserPage::kBasic));
  ASSERT_TRUE(window->basicPage()->isVisible());
  EXPECT_FALSE(window->combinationPage()->isVisible());
  EXPECT_EQ(window->tab(ChooserPage::kBasic)->State(), 1);
  EXPECT_EQ(window->tab(ChooserPage::kCombination)->State(), 0);
  // "Back" is below the first rows: the list's own scroll bar brings it up.
  SkinListBox& list = *window->basicPage()->list();
  auto& bar = static_cast<SkinScrollBar&>(*list.verticalScrollBar());
  ASSERT_TRUE(bar.isVisible());
  for (int i = 0; i < 6; ++i) {
    test::Click(*window, bar.mapTo(window.get(), QPoint(bar.width() / 2, bar.height() - 4)));
  }
  ClickItem(*window, list, 13);
  ClickOn(*window, *window->okButton());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->AssignChoice());
  EXPECT_EQ(Code(2), 16);
  EXPECT_EQ(Caption(2), "Back");
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ChooserWindowTest, RefusedChoiceTellsWhyAndLeavesTheSlot) {
  auto window = Open(0);
  ClickOn(*window, *window->tab(ChooserPage::kBasic));
  ClickItem(*window, *window->basicPage()->list(), 8);  // Search
  ClickOn(*window, *window->okButton());
  EXPECT_FALSE(window->AssignChoice());
  EXPECT_EQ(Code(0), 1);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "At least one button must be configured as 'Left click'!");
}

TEST_F(ChooserWindowTest, CapturedKeysFillTheCombinationAndEnterPressesNothing) {
  auto window = Open(3);
  EXPECT_TRUE(hooks_.keyCapture());
  EXPECT_NE(hooks_.captureTarget(), &mainWindow_);
  hooks_.OnKey(0xA2, 0);
  hooks_.OnKey('C', 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->combinationPage()->modifierBox(ModifierBox::kCtrl)->State(), 1);
  EXPECT_EQ(window->combinationPage()->accessibleDescription(), "C");
  window->okButton()->setFocus();
  QTest::keyClick(window->okButton(), Qt::Key_Return);
  QTest::keyClick(window->okButton(), Qt::Key_Space);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible()) << "Enter, Space and Escape are keys to capture";
  ClickOn(*window, *window->okButton());
  EXPECT_TRUE(window->AssignChoice());
  EXPECT_EQ(Code(3), 5);
  EXPECT_EQ(Caption(3), "Ctrl + C");
  EXPECT_FALSE(hooks_.keyCapture());
}

TEST_F(ChooserWindowTest, DisableBoxHidesThePagesAndOkDisablesTheButton) {
  auto window = Open(4);
  ClickOn(*window, *window->disableBox());
  EXPECT_EQ(window->disableBox()->State(), 1);
  for (QWidget* page :
       std::initializer_list<QWidget*>{window->combinationPage(), window->macroPage(),
                                       window->basicPage(), window->advancedPage()}) {
    EXPECT_FALSE(page->isVisible());
  }
  EXPECT_EQ(window->tab(ChooserPage::kCombination)->State(), 0);
  ClickOn(*window, *window->okButton());
  EXPECT_TRUE(window->AssignChoice());
  EXPECT_EQ(Code(4), 121);
}

TEST_F(ChooserWindowTest, MacroOfAGroupAndDefaultButton) {
  auto window = Open(1);
  ClickOn(*window, *window->tab(ChooserPage::kMacro));
  ClickItem(*window, *window->macroPage()->groupList(), 4);
  ASSERT_EQ(window->macroPage()->macroList()->count(), 1);
  ClickItem(*window, *window->macroPage()->macroList(), 0);
  ClickOn(*window, *window->okButton());
  EXPECT_TRUE(window->AssignChoice());
  EXPECT_EQ(Code(1), 6);
  EXPECT_EQ(macroIds_[1], kMacroId);

  auto again = Open(1);
  ClickOn(*again, *again->defaultButton());
  EXPECT_TRUE(again->AssignChoice());
  EXPECT_EQ(Code(1), 4);
}

TEST_F(ChooserWindowTest, BrowsedPathIsTheActionAndACancelledDialogChangesNothing) {
  auto window = Open(6);
  ClickOn(*window, *window->tab(ChooserPage::kAdvanced));
  AdvancedPage& page = *window->advancedPage();
  ClickOn(*window, *page.browseButton(1));
  EXPECT_EQ(page.radio(1)->State(), 1);
  EXPECT_EQ(page.pathField(1)->text(), "");
  browsed_ = "/usr/bin/true";
  test::DoubleClick(*window, page.pathField(1)->mapTo(window.get(), QPoint(5, 5)));
  EXPECT_EQ(page.pathField(1)->text(), "/usr/bin/true");
  ClickOn(*window, *page.radio(2));
  EXPECT_EQ(page.radio(1)->State(), 0);
  ClickOn(*window, *page.radio(1));
  ClickOn(*window, *window->okButton());
  EXPECT_TRUE(window->AssignChoice());
  EXPECT_EQ(Code(6), 19);
}

TEST_F(ChooserWindowTest, RunIsModalAndAssignsWhatItEndsWith) {
  for (const bool assigns : {true, false}) {
    record_.buttons[5].functionCode = 22;
    ChooserWindow window(context_, 5, nullptr);
    QTimer::singleShot(0, &window, [&window, assigns] {
      (assigns ? window.defaultButton() : window.closeButton())->click();
    });
    EXPECT_EQ(window.Run(), assigns);
    EXPECT_EQ(Code(5), assigns ? 11 : 22);
  }
  ChooserWindow window(context_, 6, nullptr);
  QTimer::singleShot(0, &window, [&window] { window.defaultButton()->click(); });
  const std::optional<ChooserResult> chosen = window.Choose();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(std::get<BasicFunction>(chosen->choice).code, 22);
}

}  // namespace
}  // namespace n63k::ui
