#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/lighting/LightingDeviceValues.h"
#include "core/pages/LightingPage.h"

namespace n63k {
namespace {

using lighting_page::Control;

struct LightingFixture : ::testing::Test, LightingPageObserver {
  std::unique_ptr<ProfileRecord> record = std::make_unique<ProfileRecord>();
  Localisation localisation;
  std::vector<int> hints;
  int changes = 0;
  LightingPage page{*record, localisation, [this](int hint) { hints.push_back(hint); }};

  LightingFixture() {
    localisation.chineseUi = false;
    BuildDefaultProfile(*record, false);
    page.SetObserver(this);
    page.Refresh();
  }
  void LightingChanged() override { ++changes; }
  void LightingCaptionsChanged() override {}
};

using LightingPageRules = LightingFixture;

struct ModeCase {
  int mode;
  bool multiColour;
  bool speed, brightness, toggle, swatches, cycleSpeed, palette;
  int slot;
};

TEST_F(LightingPageRules, EachModeEnablesItsControlsAndPicksItsColourSlot) {
  const std::vector<ModeCase> cases = {
      {1, false, false, true, false, false, false, true, 3},
      {2, false, true, false, false, false, false, true, 3},
      {3, false, false, false, false, false, false, false, 4},
      {4, false, false, false, false, false, false, false, 4},
      {6, false, false, false, false, false, false, false, 4},
      {5, false, false, false, true, true, true, false, 4},
      {5, true, false, false, true, true, false, true, 0},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " multi " << c.multiColour);
    record->ledMultiColour = c.multiColour ? 1 : 0;
    page.ClickMode(c.mode);
    for (int m = 1; m <= 6; ++m) {
      EXPECT_EQ(page.ModeOn(m), m == c.mode);
    }
    EXPECT_EQ(record->ledMode, c.mode);
    EXPECT_EQ(page.Enabled(Control::kSpeedSlider), c.speed);
    EXPECT_EQ(page.Enabled(Control::kBrightnessSlider), c.brightness);
    EXPECT_EQ(page.Enabled(Control::kMultiColour), c.toggle);
    EXPECT_EQ(page.Enabled(Control::kSwatch1), c.swatches);
    EXPECT_EQ(page.Enabled(Control::kCycleSpeedSlider), c.cycleSpeed);
    EXPECT_EQ(page.PaletteEnabled(), c.palette);
    EXPECT_EQ(page.WheelActive(), c.palette);
    EXPECT_EQ(page.Enabled(Control::kRedSlider), c.palette);
    EXPECT_EQ(page.ColourSlot(), c.slot);
    if (!c.palette) {
      EXPECT_EQ(page.Rgb(), (std::array<int, 3>{0, 0, 0}));
    }
  }
}

TEST_F(LightingPageRules, TheToggleOnInColourCycleSelectsColourOneAndItsControls) {
  page.ClickMode(5);
  EXPECT_FALSE(page.PaletteEnabled());
  page.ClickMultiColour();
  EXPECT_EQ(record->ledMultiColour, 1);
  EXPECT_TRUE(page.MultiColourOn());
  EXPECT_EQ(page.ColourSlot(), 0);
  EXPECT_TRUE(page.PaletteEnabled());
  EXPECT_FALSE(page.Enabled(Control::kCycleSpeedSlider));
  page.ClickSwatch(2);
  EXPECT_EQ(page.ColourSlot(), 2);
  page.ClickMultiColour();
  EXPECT_EQ(record->ledMultiColour, 0);
  EXPECT_EQ(page.ColourSlot(), kNoColourSlot);
}

TEST_F(LightingPageRules, ChoosingTheColourCycleWithItsThreeColoursSelectsTheFirstColour) {
  struct Case {
    const char* name;
    int modeBefore;
    int swatchBefore;  // -1: none clicked
  };
  const std::vector<Case> cases = {
      {"from the colour cycle on colour 3", 5, 2},
      {"from the colour cycle on colour 2", 5, 1},
      {"from the single colour", 1, -1},
      {"from off", 6, -1},
  };
  record->ledMultiColour = 1;
  record->ledColours[0] = 0x00FF00;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page.ClickMode(c.modeBefore);
    if (c.swatchBefore >= 0) {
      page.ClickSwatch(c.swatchBefore);
      ASSERT_EQ(page.ColourSlot(), c.swatchBefore);
    }
    page.ClickMode(5);
    EXPECT_EQ(page.ColourSlot(), 0);
    EXPECT_EQ(page.Rgb(), (std::array<int, 3>{0, 0xFF, 0}));
  }
  // Showing the page again keeps the colour the user chose.
  page.ClickSwatch(2);
  page.Refresh();
  EXPECT_EQ(page.ColourSlot(), 2);
}

TEST_F(LightingPageRules, PaletteColourTwelveBecomesTheSingleColourAndGoesOutAsGreenRedBlue) {
  page.ClickMode(1);
  page.ClickPalette(12);
  EXPECT_EQ(record->ledColours[3], 0xF80024u);
  EXPECT_EQ(record->ledPresetIndex[3], 12);
  EXPECT_EQ(record->ledColourCustom[3], 0);
  EXPECT_EQ(page.LitPalette(), 12);
  EXPECT_EQ(page.Rgb(), (std::array<int, 3>{0x24, 0x00, 0xF8}));
  EXPECT_EQ(page.NumberText(2), "248");
  EXPECT_EQ(page.SwatchColour(3), 0xF80024u);
}

TEST_F(LightingPageRules, TheRedSliderAfterAPaletteChoiceMakesTheColourCustom) {
  page.ClickMode(2);
  page.ClickPalette(12);
  page.MoveSlider(lighting_page::kRedSliderId, 200);
  EXPECT_EQ(record->ledColours[3], 0xF800C8u);
  EXPECT_EQ(record->ledColourCustom[3], 1);
  EXPECT_EQ(page.LitPalette(), -1);
  EXPECT_EQ(page.SliderPos(lighting_page::kRedSliderId), 200);
  EXPECT_EQ(page.NumberText(0), "200");
}

TEST_F(LightingPageRules, ColourControlsChangeNothingWithoutAColourSlot) {
  page.ClickMode(4);
  const auto before =
      std::vector<std::uint32_t>(std::begin(record->ledColours), std::end(record->ledColours));
  page.ClickPalette(3);
  page.MoveSlider(lighting_page::kGreenSliderId, 99);
  page.PressWheel({831, 323}, 0x123456);
  EXPECT_EQ(
      std::vector<std::uint32_t>(std::begin(record->ledColours), std::end(record->ledColours)),
      before);
  EXPECT_EQ(page.Rgb()[1], 99);
}

TEST_F(LightingPageRules, CycleSpeedStoresTwiceThePositionAndShowsHalfTheStoredValue) {
  page.ClickMode(5);
  page.MoveSlider(lighting_page::kCycleSpeedSliderId, 3);
  EXPECT_EQ(record->ledCycleSpeed, 6);
  for (const auto& [stored, shown] : {std::pair{6, 3}, std::pair{5, 2}, std::pair{2, 1}}) {
    record->ledCycleSpeed = stored;
    page.Refresh();
    EXPECT_EQ(page.SliderPos(lighting_page::kCycleSpeedSliderId), shown) << stored;
  }
}

TEST_F(LightingPageRules, ParameterSlidersStoreTheirValuesAndOtherIdsAreIgnored) {
  page.MoveSlider(lighting_page::kBrightnessSliderId, 7);
  page.MoveSlider(lighting_page::kSpeedSliderId, 4);
  const ProfileRecord before = *record;
  page.MoveSlider(780, 2);
  EXPECT_EQ(record->ledBrightness, 7);
  EXPECT_EQ(record->ledBreathingSpeed, 4);
  EXPECT_EQ(std::memcmp(&before, record.get(), sizeof before), 0);
}

TEST_F(LightingPageRules, APresetIndexOutOfRangeIsResetWhenShown) {
  for (const int index : {26, 1000, -1}) {
    record->ledMode = 1;
    record->ledColourCustom[3] = 0;
    record->ledPresetIndex[3] = index;
    record->ledColours[3] = 0x010203;
    page.Refresh();
    EXPECT_EQ(record->ledPresetIndex[3], 0) << index;
    EXPECT_EQ(page.LitPalette(), 0);
    EXPECT_EQ(record->ledColours[3], 0x010203u);
    EXPECT_EQ(page.Rgb(), (std::array<int, 3>{3, 2, 1}));
  }
}

TEST_F(LightingPageRules, AModeOutsideOneToSixLeavesTheButtonsAndGoesOutAsOff) {
  page.ClickMode(2);
  record->ledMode = 9;
  page.Refresh();
  EXPECT_TRUE(page.ModeOn(2));
  EXPECT_EQ(LedEffectArguments(*record).mode, 0);
  page.ClickMode(0);
  page.ClickMode(7);
  EXPECT_EQ(record->ledMode, 9);
}

TEST_F(LightingPageRules, AReplacedRecordDecidesTheToggleNotItsPreviousLook) {
  page.ClickMode(5);
  record->ledMultiColour = 1;
  page.Refresh();
  EXPECT_TRUE(page.MultiColourOn());
  EXPECT_EQ(page.ColourSlot(), 0);
  EXPECT_TRUE(page.PaletteEnabled());
}

TEST_F(LightingPageRules, TheWheelTakesTheShownColourInsideItsEllipseOnly) {
  page.ClickMode(1);
  page.ClickPalette(4);
  EXPECT_TRUE(page.WheelCursorAt({831, 323}));
  EXPECT_FALSE(page.WheelCursorAt({772, 265}));
  page.PressWheel({772, 265}, 0xABCDEF);
  EXPECT_EQ(record->ledColourCustom[3], 0);
  page.PressWheel({831, 323}, 0xFFABCDEF);
  EXPECT_EQ(record->ledColours[3], 0xABCDEFu);
  EXPECT_EQ(record->ledColourCustom[3], 1);
  EXPECT_EQ(page.LitPalette(), -1);
  EXPECT_EQ(page.Rgb(), (std::array<int, 3>{0xEF, 0xCD, 0xAB}));
  page.ClickMode(6);
  EXPECT_FALSE(page.WheelCursorAt({831, 323}));
}

TEST_F(LightingPageRules, ProximityButtonsSetTheSwitch) {
  page.ClickProximity(false);
  EXPECT_EQ(record->proximitySensing, 0);
  EXPECT_FALSE(page.ProximityOn());
  page.ClickProximity(true);
  EXPECT_EQ(record->proximitySensing, 1);
  EXPECT_TRUE(page.ProximityOn());
}

TEST_F(LightingPageRules, HintsFollowThePointerWithTheToggleTellingItsState) {
  struct HintCase {
    Point point;
    std::vector<int> hints;
  };
  const std::vector<HintCase> cases = {
      {{196, 27}, {26}},   // one pixel outside mode 4's rectangle still counts
      {{400, 120}, {34}},  // the toggle while off
      {{30, 30}, {75}},   {{180, 220}, {83}}, {{900, 440}, {}}, {{100, 200}, {81}},
  };
  for (const HintCase& c : cases) {
    hints.clear();
    page.MouseMove(c.point);
    EXPECT_EQ(hints, c.hints) << c.point.x << "," << c.point.y;
  }
  record->ledMode = 5;
  record->ledMultiColour = 1;
  page.Refresh();
  hints.clear();
  page.MouseMove({400, 120});
  EXPECT_EQ(hints, std::vector<int>{35});
}

TEST_F(LightingPageRules, ShortButtonsShowBuiltInWordsAndTheirKeysAsTooltips) {
  localisation.texts.Set("str_led_body_on", "Proximity sensing on");
  localisation.texts.Set("str_led_norbre", "Breathing");
  struct CaptionCase {
    bool chinese;
    Control control;
    std::string caption;
  };
  const std::vector<CaptionCase> cases = {
      {false, Control::kProximityOn, "On"},   {true, Control::kProximityOn, "开启"},
      {false, Control::kProximityOff, "Off"}, {true, Control::kMultiColour, "三色循环"},
      {false, Control::kMode2, "Breathing"},
  };
  for (const CaptionCase& c : cases) {
    localisation.chineseUi = c.chinese;
    EXPECT_EQ(page.Caption(c.control), c.caption);
  }
  EXPECT_EQ(page.Tooltip(Control::kProximityOn), "Proximity sensing on");
}

TEST(LightingLayout, PaletteRectanglesOfBothLayouts) {
  EXPECT_EQ(lighting_page::PaletteRect(0, false), (Rect{177, 258, 208, 290}));
  EXPECT_EQ(lighting_page::PaletteRect(5, false), (Rect{376, 258, 407, 290}));
  EXPECT_EQ(lighting_page::PaletteRect(25, true), (Rect{300, 379, 331, 412}));
}

}  // namespace
}  // namespace n63k
