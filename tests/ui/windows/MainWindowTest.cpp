#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/app/DefaultDataFiles.h"
#include "core/app/ProgramState.h"
#include "core/buttons/KeyCharacters.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"
#include "ui/windows/MainWindow.h"

namespace n63k::ui {
namespace {

// Pages that are not there yet, and writes that are only counted.
class CountingPages final : public PageHooks, public ProfileWrites {
 public:
  void RefreshButtonPage() override {}
  void RefreshLightingPage() override {}
  void RefreshMacroPage() override {}
  void CloseGameMenu() override { ++gameMenuClosed; }
  void StopRecording() override {}
  void NormaliseLoopField() override {}
  void ApplyScrollLinesText() override {}
  void StopInputCapture() override {}
  void ReapplyPageCaptions() override {}
  void ShowFirmwareVersion(std::uint32_t) override {}
  void CountClick(std::uint32_t) override {}
  bool StartWrite() override {
    ++writes;
    return true;
  }
  void FinishWrite() override {}

  int gameMenuClosed = 0;
  int writes = 0;
};

// Whether any pixel of `area` has the status line's text colour.
bool HasStatusText(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() > 150 && c.blue() > 150) {
        return true;
      }
    }
  }
  return false;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    const std::filesystem::path program = dir_ / "program";
    test::WriteTaggedLanguageFiles(program);
    test::WriteLanguageType(program, 0);
    EXPECT_FALSE(WriteDefaultDataFiles(program, false, SystemFiles()).has_value());
    state_ = std::make_unique<ProgramState>(Folders{program, dir_ / "data"}, messages_, clock_);
    state_->LoadStoredSettings();
    state_->localisation().chineseUi = false;
    state_->localisation().texts.Replace(test::KeyNameTexts());
    captions_ = std::make_unique<FunctionAssignment>(state_->profileFiles().Current(),
                                                     state_->buttonMacroIds(), state_->macroTable(),
                                                     messages_, state_->localisation(), keys_);
    model_ = std::make_unique<MainWindowModel>(
        MainWindowSettings{state_->profileTable(), state_->profileFiles(), state_->language(),
                           state_->localisation(), messages_,
                           [this](const Outcome& outcome) { state_->Tell(outcome); }},
        *captions_, pages_, pages_);
    window_ = std::make_unique<MainWindow>(*model_, program);
    model_->PagesCreated();
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    pages_.gameMenuClosed = 0;
  }

  // Input as the window system delivers it: to the control under the point.
  void Click(QPoint at) { QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at); }
  void Move(QPoint at) { QTest::mouseMove(window_->windowHandle(), at); }

  QWidget* ControlAt(QPoint at) const { return window_->childAt(at); }

  test::TempDir dir_;
  test::RecordingMessages messages_;
  VirtualClock clock_;
  UsKeyCharacters keys_;
  CountingPages pages_;
  std::unique_ptr<ProgramState> state_;
  std::unique_ptr<FunctionAssignment> captions_;
  std::unique_ptr<MainWindowModel> model_;
  std::unique_ptr<MainWindow> window_;
};

constexpr QPoint kOverApply{870, 610};
constexpr QPoint kOverProfile1{380, 620};
constexpr QPoint kOverTab3{470, 100};
constexpr QPoint kBackground{500, 50};
const QRect kStatusArea{67, 598, 233, 30};

TEST_F(MainWindowTest, HoveringApplyShowsItsHintAndThePlainBackgroundEmptiesIt) {
  // A move to where the pointer already is reaches nobody.
  Move(kBackground + QPoint(1, 1));
  Move(kOverApply);
  EXPECT_EQ(model_->StatusText(), "str_ok");
  EXPECT_TRUE(HasStatusText(window_->grab().toImage(), kStatusArea));

  Move(kBackground);
  EXPECT_EQ(model_->StatusText(), "");
  EXPECT_FALSE(HasStatusText(window_->grab().toImage(), kStatusArea));
}

TEST_F(MainWindowTest, MacroPageDisablesProfilesAndApplyAndPageOneEnablesThem) {
  Click(kOverTab3);
  EXPECT_EQ(model_->SelectedTab(), 3);
  ASSERT_NE(ControlAt(kOverProfile1), nullptr);
  EXPECT_FALSE(ControlAt(kOverProfile1)->isEnabled());
  EXPECT_FALSE(ControlAt(kOverApply)->isEnabled());
  EXPECT_TRUE(window_->PagePanel(3)->isVisible());
  EXPECT_FALSE(window_->PagePanel(1)->isVisible());
  Click(kOverApply);
  EXPECT_EQ(pages_.writes, 0);

  Click({100, 100});
  EXPECT_EQ(model_->SelectedTab(), 1);
  EXPECT_TRUE(ControlAt(kOverProfile1)->isEnabled());
  EXPECT_TRUE(ControlAt(kOverApply)->isEnabled());
}

TEST_F(MainWindowTest, ApplyClickedTwiceQuicklyStartsOneWrite) {
  Click(kOverApply);
  Click(kOverApply);
  EXPECT_EQ(pages_.writes, 1);
  model_->SyncDone();
  Click(kOverApply);
  EXPECT_EQ(pages_.writes, 2);
}

TEST_F(MainWindowTest, SlantedTabsTakeClicksByTheirShape) {
  struct Case {
    QPoint at;
    int tab;
  };
  // x 193-210 lies in the boxes of both tabs 1 and 2; the slant decides.
  const std::vector<Case> cases = {
      {{200, 90}, 2}, {{200, 118}, 1}, {{385, 90}, 3}, {{385, 118}, 2}, {{100, 100}, 1},
  };
  for (const Case& c : cases) {
    Click(c.at);
    EXPECT_EQ(model_->SelectedTab(), c.tab) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(MainWindowTest, EscapeAndEnterAreSwallowedAndAltF4Hides) {
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  QTest::keyClick(window_.get(), Qt::Key_Return);
  QTest::keyClick(window_.get(), Qt::Key_Space);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(pages_.gameMenuClosed, 0);

  QTest::keyClick(window_.get(), Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(pages_.gameMenuClosed, 1);

  // The window manager's close hides it too; only the shut-down closes it.
  window_->show();
  EXPECT_FALSE(window_->close());
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(pages_.gameMenuClosed, 2);
}

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindow) {
  const QPoint before = window_->pos();
  QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, kBackground);
  Move(kBackground + QPoint(30, 20));
  // The window followed the pointer, which is over the same spot of it again.
  QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, kBackground);
  EXPECT_EQ(window_->pos(), before + QPoint(30, 20));
}

TEST_F(MainWindowTest, ExitAsksForTheShutDownWhichClosesTheWindow) {
  int exits = 0;
  QObject::connect(window_.get(), &MainWindow::exitRequested, [&] { ++exits; });
  model_->ChooseExit();
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(window_->isVisible());
  window_->CloseForShutDown();
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, TrayShowBringsTheHiddenWindowBack) {
  window_->hide();
  model_->TrayActivated(MainWindowModel::kTrayDoubleClick);
  EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace n63k::ui
