#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/ManualTimers.h"
#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/pages/ButtonPageModel.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using namespace button_page;

class FakePointer final : public PagePointer {
 public:
  Point Position() const override { return at; }
  bool WindowInFront() const override { return front; }

  Point at{0, 0};
  bool front = true;
};

class Recorder final : public ButtonPageObserver {
 public:
  void Changed(ButtonPagePart part) override { changed.push_back(part); }
  void OpenChooser(int slot) override { chooserSlots.push_back(slot); }

  bool Saw(ButtonPagePart part) const {
    return std::find(changed.begin(), changed.end(), part) != changed.end();
  }

  std::vector<ButtonPagePart> changed;
  std::vector<int> chooserSlots;
};

class ButtonPageModelTest : public ::testing::Test {
 protected:
  ButtonPageModelTest() {
    localisation.chineseUi = false;
    BuildDefaultProfile(record, false);
    model.SetObserver(&view);
    model.RefreshButtonPage();
    view.changed.clear();
  }

  void SetDpi(std::vector<std::int32_t> values) {
    std::fill(std::begin(record.dpiLevels), std::end(record.dpiLevels), 0);
    std::copy(values.begin(), values.end(), record.dpiLevels);
    model.RefreshButtonPage();
  }
  std::vector<std::int32_t> Dpi() const {
    return {std::begin(record.dpiLevels), std::end(record.dpiLevels)};
  }
  static std::size_t Box(std::int32_t value) {
    return static_cast<std::size_t>(std::find(kDpiValues.begin(), kDpiValues.end(), value) -
                                    kDpiValues.begin());
  }
  std::vector<std::int32_t> Checked() const {
    std::vector<std::int32_t> values;
    for (std::size_t box = 0; box < kDpiValues.size(); ++box) {
      if (model.DpiBoxChecked(box)) {
        values.push_back(kDpiValues[box]);
      }
    }
    return values;
  }

  ProfileRecord record{};
  ButtonMacroIds macroIds{};
  MacroTable macros;
  test::RecordingMessages messages;
  Localisation localisation;
  UsKeyCharacters keys;
  FunctionAssignment assignment{record, macroIds, macros, messages, localisation, keys};
  VirtualClock clock;
  ManualTimers timers{clock};
  FakePointer pointer;
  std::vector<int> hints;
  ButtonPageModel model{record, assignment, localisation,
                        timers, pointer,    [this](int hint) { hints.push_back(hint); }};
  Recorder view;
};

std::vector<std::int32_t> Stages(std::vector<std::int32_t> values) {
  values.resize(14, 0);
  return values;
}

struct DpiCase {
  std::string name;
  std::vector<std::int32_t> stored;
  std::vector<std::int32_t> clicks;  // by box value
  std::vector<std::int32_t> stages;  // dpiLevels afterwards, zeros left out
};

const std::vector<std::int32_t> kDefaultDpi = {750, 1250, 1500, 2000, 2500, 3500, 4000};

const DpiCase kDpiCases[] = {
    {"SevenCheckedLeaveUncheckedBoxesInert", kDefaultDpi, {500, 7000, 3000}, kDefaultDpi},
    {"UncheckingOneFreesAPlaceForAnother",
     kDefaultDpi,
     {750, 7000},
     {1250, 1500, 2000, 2500, 3500, 4000, 7000}},
    {"TheOnlyCheckedBoxStaysChecked", {500}, {500, 500}, {500}},
    {"AValueNoBoxHasIsDroppedByTheFirstClick", {800, 1000}, {2000}, {1000, 2000}},
    {"AClickThatChangesNothingStillDropsAnUnofferedValue", {800, 1000}, {1000}, {1000}},
    {"OnlyAnUnofferedValueGetsTheClickedBox", {800}, {7000}, {7000}},
    {"StagesAreWrittenInBoxOrder", {4000, 500}, {750}, {500, 750, 4000}},
    {"CheckingThenUncheckingReturnsToTheStart", {1000, 2000}, {6000, 6000}, {1000, 2000}},
};

class DpiBoxes : public ButtonPageModelTest, public ::testing::WithParamInterface<DpiCase> {};

TEST_P(DpiBoxes, ClicksGiveTheseStages) {
  SetDpi(GetParam().stored);
  for (const std::int32_t value : GetParam().clicks) {
    model.ClickDpiBox(Box(value));
  }
  EXPECT_EQ(Dpi(), Stages(GetParam().stages));
  EXPECT_EQ(Checked(), GetParam().stages);
  EXPECT_TRUE(view.Saw(ButtonPagePart::kDpi));
}

INSTANTIATE_TEST_SUITE_P(ButtonPage, DpiBoxes, ::testing::ValuesIn(kDpiCases),
                         test::CaseName<DpiCase>);

TEST_F(ButtonPageModelTest, RefreshChecksOnlyTheFirstSevenStagesThatABoxOffers) {
  SetDpi({750, 800, 750, 0, 0, 0, 0, 7000});
  EXPECT_EQ(Checked(), (std::vector<std::int32_t>{750}));
  EXPECT_EQ(Dpi()[1], 800) << "showing the record changes nothing in it";
}

struct LinesTextCase {
  const char* text;
  int number;
};

const LinesTextCase kLinesTexts[] = {
    {"007", 7}, {"45", 30},   {"", 1},    {"abc", 1}, {"0", 1},
    {"000", 1}, {"12ab", 12}, {"30", 30}, {"29", 29}, {"99999999999999999999", 30},
};

TEST(ScrollLinesFromText, ReadsLeadingDigitsIntoOneToThirty) {
  for (const auto& c : kLinesTexts) {
    EXPECT_EQ(ScrollLinesFromText(c.text), c.number) << '"' << c.text << '"';
  }
}

TEST_F(ButtonPageModelTest, TheTimerTakesTheTypedTextInWithinFourSeconds) {
  for (const auto& c : kLinesTexts) {
    model.EditLinesText(c.text);
    timers.Advance(kScrollLinesTimerMs);
    EXPECT_EQ(record.wheelScrollLines, c.number) << '"' << c.text << '"';
    EXPECT_EQ(model.LinesText(), std::to_string(c.number));
    EXPECT_EQ(model.LinesNumber(), c.number);
  }
  EXPECT_TRUE(view.Saw(ButtonPagePart::kLinesText));
}

TEST_F(ButtonPageModelTest, TheTimerLeavesOneScreenPerNotchAlone) {
  model.ClickScreenRadio();
  model.EditLinesText("12");
  timers.Advance(2 * kScrollLinesTimerMs);
  EXPECT_EQ(record.wheelScrollLines, kScrollScreen);
  EXPECT_EQ(model.LinesText(), "12");
}

TEST_F(ButtonPageModelTest, ApplyTakesTheTextInAtOnce) {
  model.EditLinesText("09");
  model.ApplyScrollLinesText();
  EXPECT_EQ(record.wheelScrollLines, 9);
  EXPECT_EQ(model.LinesText(), "9");
}

TEST_F(ButtonPageModelTest, PlusAndMinusStopAtTheEndsOfTheRange) {
  struct Case {
    int stored;
    bool plus;
    int after;
  };
  for (const Case c : {Case{30, true, 30}, Case{1, false, 1}, Case{5, true, 6}, Case{5, false, 4},
                       Case{29, true, 30}}) {
    record.wheelScrollLines = c.stored;
    model.RefreshButtonPage();
    c.plus ? model.ClickPlus() : model.ClickMinus();
    EXPECT_EQ(record.wheelScrollLines, c.after) << c.stored << (c.plus ? " plus" : " minus");
    EXPECT_EQ(model.LinesText(), std::to_string(c.after));
  }
}

TEST_F(ButtonPageModelTest, TheWheelRadiosSwitchBetweenLinesAndOneScreen) {
  record.wheelScrollLines = kScrollScreen;
  model.RefreshButtonPage();
  EXPECT_FALSE(model.LinesSelected());
  EXPECT_FALSE(model.LinesControlsEnabled());
  EXPECT_EQ(model.LinesText(), "1");

  model.ClickPlus();
  EXPECT_EQ(record.wheelScrollLines, kScrollScreen) << "plus is disabled with one screen";

  model.ClickLinesRadio();
  EXPECT_TRUE(model.LinesControlsEnabled());
  EXPECT_EQ(record.wheelScrollLines, 1);

  record.wheelScrollLines = 12;
  model.RefreshButtonPage();
  EXPECT_TRUE(model.LinesSelected());
  EXPECT_EQ(model.LinesText(), "12");
  model.ClickScreenRadio();
  EXPECT_EQ(record.wheelScrollLines, kScrollScreen);
  EXPECT_TRUE(view.Saw(ButtonPagePart::kWheel));
}

TEST_F(ButtonPageModelTest, ReportRateShowsAndStoresTheInterval) {
  struct Case {
    std::int32_t interval;
    int shown;
  };
  for (const Case c :
       {Case{1, 1000}, Case{2, 500}, Case{4, 250}, Case{8, 125}, Case{3, 0}, Case{0, 0}}) {
    record.pollingRate = c.interval;
    model.RefreshButtonPage();
    EXPECT_EQ(model.SelectedReportRate(), c.shown) << c.interval;
    EXPECT_EQ(record.pollingRate, c.interval) << "showing keeps the stored value";
  }
  const std::int32_t intervals[] = {8, 4, 2, 1};
  for (std::size_t radio = 0; radio < kReportRates.size(); ++radio) {
    model.ClickReportRate(radio);
    EXPECT_EQ(record.pollingRate, intervals[radio]);
    EXPECT_EQ(model.SelectedReportRate(), kReportRates[radio]);
  }
}

TEST_F(ButtonPageModelTest, SlidersStoreTheirPositionAndOthersAreIgnored) {
  model.MoveSlider(kSpeedSliderId, 17);
  model.MoveSlider(kSensorSliderId, 3);
  model.MoveSlider(0xA01, 5);
  model.MoveSlider(kSpeedSliderId, 21);
  model.MoveSlider(kSensorSliderId, 0);
  EXPECT_EQ(record.pointerSpeed, 17);
  EXPECT_EQ(record.sensorHeight, 3);
}

TEST_F(ButtonPageModelTest, PrecisionBoxToggles) {
  model.ClickPrecisionBox();
  EXPECT_EQ(record.pointerPrecision, 1);
  EXPECT_TRUE(model.PrecisionChecked());
  model.ClickPrecisionBox();
  EXPECT_EQ(record.pointerPrecision, 0);
}

TEST_F(ButtonPageModelTest, ATabLooksSelectedWhileItsSlotHasAnotherFunction) {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    EXPECT_FALSE(model.TabSelected(slot)) << slot;
  }
  model.ClickTab(2);
  EXPECT_EQ(view.chooserSlots, std::vector<int>{2});
  EXPECT_EQ(model.CurrentSlot(), 2);

  model.ChooserAccepted({2, BasicFunction{16}});
  EXPECT_EQ(record.buttons[2].functionCode, 16);
  EXPECT_EQ(model.TabCaption(2), GetFunctionName(16, false));
  EXPECT_TRUE(model.TabSelected(2));
  EXPECT_EQ(model.CurrentSlot(), -1);

  model.ClickTab(2);
  model.ChooserAccepted({2, BasicFunction{kButtonSlots[2].defaultCode}});
  EXPECT_FALSE(model.TabSelected(2));
}

TEST_F(ButtonPageModelTest, ARefusedAssignmentIsToldAndChangesNothing) {
  const ProfileRecord before = record;
  model.ClickTab(0);
  model.ChooserAccepted({0, DisabledFunction{}});
  EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"At least one button must be configured as 'Left click'!"});
  EXPECT_FALSE(model.TabSelected(0));

  model.ClickTab(5);
  model.ChooserAccepted({5, BasicFunction{kFunctionSnipe}});
  EXPECT_EQ(record.buttons[5].functionCode, kButtonSlots[5].defaultCode);
  EXPECT_EQ(messages.Texts().size(), 2u);
}

TEST_F(ButtonPageModelTest, CancellingStillRefreshesTheTabsLook) {
  record.buttons[4].functionCode = kFunctionDisable;
  model.ClickTab(4);
  model.ChooserCancelled();
  EXPECT_TRUE(model.TabSelected(4));
  EXPECT_EQ(model.CurrentSlot(), -1);
  EXPECT_TRUE(view.Saw(ButtonPagePart::kTabs));
}

TEST_F(ButtonPageModelTest, TabsShowDefaultNamesInTheInterfaceLanguageWithoutStoringThem) {
  localisation.chineseUi = true;
  SetFixedText(record.buttons[3].caption, "Reload");
  EXPECT_EQ(model.TabCaption(1), GetFunctionName(kButtonSlots[1].defaultCode, true));
  EXPECT_EQ(FixedText(record.buttons[1].caption),
            GetFunctionName(kButtonSlots[1].defaultCode, false));
  EXPECT_EQ(model.TabCaption(3), "Reload");
}

TEST_F(ButtonPageModelTest, OpeningTheChooserBringsTheDefaultCaptionIntoTheLanguage) {
  SetFixedText(record.buttons[1].caption, GetFunctionName(kButtonSlots[1].defaultCode, true));
  model.ClickTab(1);
  EXPECT_EQ(model.TabCaption(1), GetFunctionName(kButtonSlots[1].defaultCode, false));
}

struct HintCase {
  std::string name;
  bool chineseUi;
  Point at;
  std::vector<int> hints;
};

const HintCase kHintCases[] = {
    {"DpiBox", false, {70, 67}, {12}},
    {"JustOutsideADpiBoxStillCounts", false, {109, 66}, {12}},
    {"TwoPixelsOutsideDoNot", false, {69 - 2, 66}, {}},
    {"SpeedSlider", false, {150, 170}, {13}},
    {"PrecisionBox", false, {100, 210}, {14}},
    {"SensorSlider", false, {500, 170}, {15}},
    {"ReportRate", false, {300, 310}, {16}},
    {"LinesRadioOfTheOtherLanguages", false, {600, 340}, {17}},
    {"ChineseLinesRadioIsNarrower", true, {600, 340}, {}},
    {"ScreenRadioOfTheOtherLanguages", false, {600, 380}, {18}},
    {"ChineseScreenRadio", true, {450, 365}, {18}},
    {"TabByItsBox", false, {22, 438}, {65}},
    {"DpiHeading", false, {100, 30}, {61}},
    {"SpeedHeading", false, {100, 140}, {13}},
    {"SensorHeading", false, {400, 140}, {62}},
    {"ReportRateHeading", false, {100, 270}, {63}},
    {"WheelHeading", false, {400, 270}, {64}},
    {"ButtonKeysHeading", false, {100, 380}, {65}},
    {"Background", false, {650, 30}, {}},
};

class Hints : public ButtonPageModelTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(Hints, AMovePostsTheHintsOfEveryControlUnderIt) {
  localisation.chineseUi = GetParam().chineseUi;
  model.MouseMove(GetParam().at);
  EXPECT_EQ(hints, GetParam().hints);
}

INSTANTIATE_TEST_SUITE_P(ButtonPage, Hints, ::testing::ValuesIn(kHintCases),
                         test::CaseName<HintCase>);

TEST_F(ButtonPageModelTest, AMarkerLightsWhileThePointerIsOverTheMiddleOfItsTab) {
  const Rect tab = kTabs[3].Bounds();
  const Point middle{(tab.left + tab.right) / 2, tab.top + 5};
  pointer.at = middle;
  timers.Advance(kMarkerTimerMs);
  EXPECT_TRUE(model.MarkerLit(3));
  EXPECT_TRUE(view.Saw(ButtonPagePart::kMarkers));

  pointer.at = {tab.left + kMarkerZoneInset - 1, tab.top + 5};
  timers.Advance(kMarkerTimerMs);
  EXPECT_FALSE(model.MarkerLit(3)) << "the tab's slanted edge lights nothing";

  pointer.at = middle;
  pointer.front = false;
  timers.Advance(kMarkerTimerMs);
  EXPECT_FALSE(model.MarkerLit(3)) << "behind another window a marker keeps its state";
  pointer.front = true;
  timers.Advance(kMarkerTimerMs);
  pointer.front = false;
  pointer.at = {0, 0};
  timers.Advance(kMarkerTimerMs);
  EXPECT_FALSE(model.MarkerLit(3)) << "outside, it goes out even behind another window";
}

TEST_F(ButtonPageModelTest, TheTimersEndWithThePage) {
  {
    ButtonPageModel second(record, assignment, localisation, timers, pointer, [](int) {});
    EXPECT_EQ(timers.RunningCount(), 4u);
  }
  EXPECT_EQ(timers.RunningCount(), 2u);
}

}  // namespace
}  // namespace n63k
