#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <vector>

#include "core/pages/LightingPage.h"
#include "ui/pages/LightingPageView.h"
#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/ColourButton.h"
#include "ui/widgets/SliderBar.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

using lighting_page::Control;

QPoint Centre(const Rect& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The page over the program folder's own pictures, which hold the wheel.
struct LightingViewFixture : ::testing::Test {
  std::unique_ptr<ProfileRecord> record = std::make_unique<ProfileRecord>();
  Localisation localisation;
  std::vector<int> hints;
  std::unique_ptr<LightingPage> model;
  std::unique_ptr<LightingPageView> view;

  LightingViewFixture() {
    localisation.chineseUi = false;
    localisation.texts.Set("str_led_brealways", "Always on");
    BuildDefaultProfile(*record, false);
    model = std::make_unique<LightingPage>(*record, localisation,
                                           [this](int hint) { hints.push_back(hint); });
    model->Refresh();
    view = std::make_unique<LightingPageView>(*model, N63K_PROGRAM_DIR);
    EXPECT_TRUE(test::ShowActive(*view));
  }
};

using LightingPageViewTest = LightingViewFixture;

TEST_F(LightingPageViewTest, APaletteClickChangesTheRecordAndLightsItsButton) {
  test::Click(*view, Centre(model->RectOf(Control::kMode1)));
  ASSERT_EQ(record->ledMode, 1);
  test::Click(*view, Centre(model->PaletteRect(12)));
  EXPECT_EQ(record->ledColours[3], 0xF80024u);
  EXPECT_EQ(record->ledColourCustom[3], 0);
  EXPECT_EQ(view->PaletteButton(12)->State(), 1);
  EXPECT_EQ(view->Swatch(3)->Colour(), QColor(0x24, 0x00, 0xF8));
  EXPECT_EQ(view->Number(2)->text(), QStringLiteral("248"));
}

TEST_F(LightingPageViewTest, TheDisabledPaletteTakesNoClick) {
  test::Click(*view, Centre(model->RectOf(Control::kMode4)));
  ASSERT_EQ(record->ledMode, 4);
  EXPECT_FALSE(view->PaletteButton(3)->isEnabled());
  test::Click(*view, Centre(model->PaletteRect(3)));
  EXPECT_EQ(record->ledColourCustom[3], 1);
  EXPECT_FALSE(view->Slider(lighting_page::kRedSliderId)->isEnabled());
}

TEST_F(LightingPageViewTest, AWheelPickTakesThePixelShownUnderThePointer) {
  test::Click(*view, Centre(model->RectOf(Control::kMode2)));
  for (const QPoint point : {QPoint(800, 300), QPoint(860, 350), QPoint(831, 323)}) {
    const QRgb shown = test::At(*view, point);
    test::Press(*view, point);
    test::Release(*view, point);
    const std::uint32_t colourRef = record->ledColours[3];
    EXPECT_EQ(QColor(shown),
              QColor(static_cast<int>(colourRef & 0xFF), static_cast<int>((colourRef >> 8) & 0xFF),
                     static_cast<int>((colourRef >> 16) & 0xFF)))
        << point.x() << "," << point.y();
    EXPECT_EQ(record->ledColourCustom[3], 1);
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
  }
  // Pixels are really different colours across the wheel.
  EXPECT_NE(test::At(*view, {800, 300}), test::At(*view, {860, 350}));
}

TEST_F(LightingPageViewTest, SlidersModesAndProximityReachTheRecord) {
  test::Click(*view, Centre(model->RectOf(Control::kMode1)));
  SliderBar* brightness = view->Slider(lighting_page::kBrightnessSliderId);
  ASSERT_TRUE(brightness->isEnabled());
  const Rect track = model->RectOf(Control::kBrightnessSlider);
  test::Click(*view, {track.right - 1, Centre(track).y()});
  EXPECT_EQ(record->ledBrightness, 10);
  test::Click(*view, Centre(model->RectOf(Control::kProximityOff)));
  EXPECT_EQ(record->proximitySensing, 0);
  EXPECT_EQ(view->Button(Control::kProximityOff)->State(), 1);
  EXPECT_EQ(view->Button(Control::kProximityOn)->State(), 0);
  EXPECT_EQ(view->Button(Control::kMode1)->accessibleName(), QStringLiteral("Always on"));
}

TEST_F(LightingPageViewTest, ALanguageSwitchMovesTheControlsToTheirChineseRectangles) {
  localisation.chineseUi = true;
  model->ReapplyCaptions();
  const Rect chinese = lighting_page::RectOf(Control::kMode4, true);
  EXPECT_EQ(view->Button(Control::kMode4)->geometry(),
            QRect(chinese.left, chinese.top, chinese.Width(), chinese.Height()));
  const Rect palette = lighting_page::PaletteRect(0, true);
  EXPECT_EQ(view->PaletteButton(0)->geometry().topLeft(), QPoint(palette.left, palette.top));
}

TEST_F(LightingPageViewTest, PointerMovesOverControlsShowTheirHints) {
  test::Move(*view, Centre(model->RectOf(Control::kMode3)));
  test::Move(*view, {100, 30});
  EXPECT_EQ(hints, (std::vector<int>{27, 75}));
}

}  // namespace
}  // namespace n63k::ui
