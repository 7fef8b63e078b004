#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "core/base/ManualTimers.h"
#include "core/buttons/KeyCharacters.h"
#include "core/pages/SliderScale.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"
#include "ui/pages/ButtonPageView.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

using namespace button_page;

class StillPointer final : public PagePointer {
 public:
  Point Position() const override { return at; }
  bool WindowInFront() const override { return true; }
  Point at{-1, -1};
};

QPoint Centre(const Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

QPoint CentreOf(const Quad& q) {
  return Centre(q.Bounds());
}

// The accent of checked boxes, selected radios and selected tabs.
bool IsAccent(QRgb pixel) {
  return qRed(pixel) > 180 && qGreen(pixel) < 120 && qBlue(pixel) < 100;
}

// Where the 10-pixel glyph at a control's left shows its look: the check
// box's fill beside its tick, the radio's dot.
QPoint CheckGlyphOf(const Rect& control) {
  return {control.left + 2, (control.top + control.bottom) / 2 - 3};
}
QPoint RadioGlyphOf(const Rect& control) {
  return {control.left + 5, (control.top + control.bottom) / 2};
}

// The page on the program folder's real pictures, over a default profile in
// English with every text its own key's name.
class ButtonPageViewTest : public ::testing::Test {
 protected:
  ButtonPageViewTest() {
    localisation_.chineseUi = false;
    localisation_.texts.Replace(test::KeyNameTexts());
    BuildDefaultProfile(record_, false);
    model_.RefreshButtonPage();
    view_ = std::make_unique<ButtonPageView>(model_, N63K_PROGRAM_DIR);
    EXPECT_TRUE(test::ShowActive(*view_));
  }

  void Click(QPoint at) { test::Click(*view_, at); }
  QRgb At(QPoint at) { return test::At(*view_, at); }

  ProfileRecord record_{};
  ButtonMacroIds macroIds_{};
  MacroTable macros_;
  test::RecordingMessages messages_;
  Localisation localisation_;
  UsKeyCharacters keys_;
  FunctionAssignment assignment_{record_, macroIds_, macros_, messages_, localisation_, keys_};
  VirtualClock clock_;
  ManualTimers timers_{clock_};
  StillPointer pointer_;
  std::vector<int> hints_;
  ButtonPageModel model_{record_, assignment_, localisation_,
                         timers_, pointer_,    [this](int hint) { hints_.push_back(hint); }};
  std::unique_ptr<ButtonPageView> view_;
};

TEST_F(ButtonPageViewTest, DpiBoxesFollowRealClicksWithinOneToSevenStages) {
  const auto box = [](std::int32_t value) {
    return kDpiBoxes[static_cast<std::size_t>(
        std::find(kDpiValues.begin(), kDpiValues.end(), value) - kDpiValues.begin())];
  };
  EXPECT_TRUE(IsAccent(At(CheckGlyphOf(box(750)))));
  EXPECT_FALSE(IsAccent(At(CheckGlyphOf(box(7000)))));

  Click(Centre(box(7000)));
  EXPECT_FALSE(IsAccent(At(CheckGlyphOf(box(7000))))) << "seven boxes are checked already";
  Click(Centre(box(750)));
  Click(Centre(box(7000)));
  EXPECT_FALSE(IsAccent(At(CheckGlyphOf(box(750)))));
  EXPECT_TRUE(IsAccent(At(CheckGlyphOf(box(7000)))));
  const std::int32_t expected[14] = {1250, 1500, 2000, 2500, 3500, 4000, 7000};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), record_.dpiLevels));
}

TEST_F(ButtonPageViewTest, SlidersAndThePrecisionBoxStoreWhatTheyAreClickedTo) {
  const int speedX = kSpeedSlider.left + kSpeedSlider.Width() / 4;
  const int sensorX = kSensorSlider.right - kSensorSlider.Width() / 3;
  Click({speedX, kSpeedSlider.top + 6});
  Click({sensorX, kSensorSlider.top + 6});
  Click(Centre(kPrecisionBox));
  EXPECT_EQ(record_.pointerSpeed, ValueForClick({kMinPointerSpeed, kMaxPointerSpeed},
                                                kSpeedSlider.left, kSpeedSlider.right, speedX));
  EXPECT_EQ(record_.sensorHeight, ValueForClick({kMinSensorHeight, kMaxSensorHeight},
                                                kSensorSlider.left, kSensorSlider.right, sensorX));
  EXPECT_NE(record_.pointerSpeed, 10) << "the default";
  EXPECT_EQ(record_.pointerPrecision, 1);
  EXPECT_TRUE(IsAccent(At(CheckGlyphOf(kPrecisionBox))));
}

TEST_F(ButtonPageViewTest, ReportRateRadiosSelectOneAtATime) {
  Click(Centre(kReportRateRadios[0]));
  EXPECT_EQ(record_.pollingRate, 8);
  EXPECT_TRUE(IsAccent(At(RadioGlyphOf(kReportRateRadios[0]))));
  EXPECT_FALSE(IsAccent(At(RadioGlyphOf(kReportRateRadios[3]))));
}

TEST_F(ButtonPageViewTest, TheScreenRadioDisablesTheNumberAndTheLinesRadioGivesItBack) {
  auto* edit = qobject_cast<QLineEdit*>(view_->childAt(Centre(kWheelOther.linesEdit)));
  ASSERT_NE(edit, nullptr);
  Click(Centre(kWheelOther.screenRadio));
  EXPECT_EQ(record_.wheelScrollLines, kScrollScreen);
  EXPECT_FALSE(edit->isEnabled());
  Click(Centre(kWheelOther.plus));
  EXPECT_EQ(record_.wheelScrollLines, kScrollScreen);

  Click(Centre(kWheelOther.linesRadio));
  EXPECT_TRUE(edit->isEnabled());
  EXPECT_EQ(record_.wheelScrollLines, 3) << "the number shown before";
  Click(Centre(kWheelOther.plus));
  EXPECT_EQ(edit->text(), "4");
  EXPECT_EQ(record_.wheelScrollLines, 4);
}

TEST_F(ButtonPageViewTest, TypedLinesAreTakenInByTheTimer) {
  auto* edit = qobject_cast<QLineEdit*>(view_->childAt(Centre(kWheelOther.linesEdit)));
  ASSERT_NE(edit, nullptr);
  Click(Centre(kWheelOther.linesEdit));
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("4x5"));
  EXPECT_EQ(edit->text(), "45") << "only digits can be typed";
  timers_.Advance(kScrollLinesTimerMs);
  EXPECT_EQ(edit->text(), "30");
  EXPECT_EQ(edit->cursorPosition(), 2);
  EXPECT_EQ(record_.wheelScrollLines, 30);
}

TEST_F(ButtonPageViewTest, TheTabLookFollowsTheSlotsFunction) {
  QSignalSpy opened(view_.get(), &ButtonPageView::chooserRequested);
  const QPoint tab = CentreOf(kTabs[2]);
  EXPECT_FALSE(IsAccent(At(tab)));

  Click(tab);
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.at(0).at(0).toInt(), 2);
  model_.ChooserAccepted({2, BasicFunction{16}});
  EXPECT_EQ(record_.buttons[2].functionCode, 16);
  EXPECT_TRUE(IsAccent(At(tab)));

  record_.buttons[2].functionCode = kButtonSlots[2].defaultCode;
  model_.RefreshButtonPage();
  EXPECT_FALSE(IsAccent(At(tab)));
}

TEST_F(ButtonPageViewTest, MovesOverControlsPostTheirHints) {
  test::Move(*view_, Centre(kDpiBoxes[3]));
  test::Move(*view_, CentreOf(kTabs[0]));
  test::Move(*view_, Centre(kHeadings[0].rect));
  // A skinned button hands a move to the page besides letting it through, so
  // one move may post its hint twice; the status line shows it once.
  hints_.erase(std::unique(hints_.begin(), hints_.end()), hints_.end());
  EXPECT_EQ(hints_, (std::vector<int>{kDpiHint, kTabHint, kHeadings[0].hint}));
}

TEST_F(ButtonPageViewTest, AMarkerLightsWhileItsTabIsHovered) {
  const QPoint marker = Centre(kMarkers[1]);
  EXPECT_FALSE(IsAccent(At(marker)));
  pointer_.at = {CentreOf(kTabs[1]).x(), CentreOf(kTabs[1]).y()};
  timers_.Advance(kMarkerTimerMs);
  EXPECT_TRUE(IsAccent(At(marker)));
}

TEST_F(ButtonPageViewTest, TheChineseLayoutMovesTheWheelControls) {
  localisation_.chineseUi = true;
  model_.ReapplyCaptions();
  auto* edit = qobject_cast<QLineEdit*>(view_->childAt(Centre(kWheelChinese.linesEdit)));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->geometry(),
            QRect(kWheelChinese.linesEdit.left, kWheelChinese.linesEdit.top,
                  kWheelChinese.linesEdit.Width(), kWheelChinese.linesEdit.Height()));
  Click(Centre(kWheelChinese.screenRadio));
  EXPECT_EQ(record_.wheelScrollLines, kScrollScreen);
}

// The window around the page, counting the keys that reach it.
class KeyCountingWindow final : public QWidget {
 public:
  int keys = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

TEST(ButtonPageViewKeys, EnterEscapeAndSpaceStopAtThePageOthersGoOn) {
  ProfileRecord record{};
  BuildDefaultProfile(record, false);
  ButtonMacroIds macroIds{};
  MacroTable macros;
  test::RecordingMessages messages;
  Localisation localisation;
  UsKeyCharacters keys;
  FunctionAssignment assignment{record, macroIds, macros, messages, localisation, keys};
  VirtualClock clock;
  ManualTimers timers{clock};
  StillPointer pointer;
  ButtonPageModel model{record, assignment, localisation, timers, pointer, [](int) {}};
  KeyCountingWindow window;
  auto* view = new ButtonPageView(model, N63K_PROGRAM_DIR, &window);
  ASSERT_TRUE(test::ShowActive(window));
  view->setFocus();
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
    QTest::keyClick(view, key);
  }
  EXPECT_EQ(window.keys, 0);
  QTest::keyClick(view, Qt::Key_A);
  EXPECT_EQ(window.keys, 1);
}

}  // namespace
}  // namespace n63k::ui
