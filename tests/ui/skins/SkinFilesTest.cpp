// The pictures the build paints into the program folder: every one there at
// its size and at twice its size, and the looks of a window differing from
// its background exactly where its buttons are.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/i18n/Languages.h"
#include "core/pages/ButtonPageLayout.h"
#include "core/pages/ChooserLayout.h"
#include "core/pages/InfoBoxLayout.h"
#include "core/pages/LightingLayout.h"
#include "core/pages/LightingSettings.h"
#include "core/pages/MacroPageLayout.h"
#include "core/pages/MainWindowLayout.h"
#include "core/pages/ProgressLayout.h"
#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "core/pages/StatsLayout.h"
#include "core/stats/StatsRecord.h"

namespace n63k {
namespace {

using skin_files::kLargeScale;

constexpr int kScales[] = {1, kLargeScale};

QImage Load(std::string_view file, int scale) {
  const QString path = QStringLiteral(N63K_PROGRAM_DIR "/") +
                       QString::fromStdString(skin_files::AtScale(file, scale));
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

struct Picture {
  std::string file;
  QSize size;
};

std::vector<Picture> AllPictures() {
  const QSize window(main_window::kWidth, main_window::kHeight);
  const QSize box(info_box::kWidth, info_box::kHeight);
  const auto sized = [](skin_files::PictureSize size) { return QSize(size.width, size.height); };
  std::vector<Picture> pictures;
  for (std::string_view file :
       {skin_files::kMainNormal, skin_files::kMainOver, skin_files::kMainDown}) {
    pictures.push_back({std::string(file), window});
  }
  for (const skin_files::RegionLooks& looks :
       {skin_files::kRegionChinese, skin_files::kRegionOther}) {
    for (std::string_view file : {looks.normal, looks.selected, looks.hover, looks.disabled}) {
      pictures.push_back({std::string(file), window});
    }
  }
  for (const skin_files::BoxLooks& looks : {skin_files::kInfoBoxOk, skin_files::kInfoBoxCancel}) {
    for (std::string_view file : {looks.normal, looks.hover, looks.pressed}) {
      pictures.push_back({std::string(file), box});
    }
  }
  const QSize progress(progress_window::kWidth, progress_window::kHeight);
  pictures.push_back({std::string(skin_files::kProgressNormal), progress});
  pictures.push_back({std::string(skin_files::kProgressOver), progress});
  pictures.push_back({std::string(skin_files::kSliderThumb), sized(skin_files::kSliderThumbSize)});
  for (int language = 1; language <= kLanguageCount; ++language) {
    pictures.push_back({skin_files::FlagFile(language), sized(skin_files::kFlagSize)});
    pictures.push_back({skin_files::SmallFlagFile(language), sized(skin_files::kSmallFlagSize)});
  }
  pictures.push_back(
      {std::string(skin_files::kLanguageMenuPanel), sized(skin_files::kLanguageMenuPanelSize)});
  for (const int side : skin_files::kIconSizes) {
    pictures.push_back({skin_files::IconFile(side), QSize(side, side)});
  }
  pictures.push_back({std::string(skin_files::kMenuConfig), sized(skin_files::kMenuIconSize)});
  pictures.push_back({std::string(skin_files::kMenuExit), sized(skin_files::kMenuIconSize)});
  const QSize chooserWindow(chooser::kWidth, chooser::kHeight);
  const QSize chooserPage(chooser::kPage.Width(), chooser::kPage.Height());
  for (const auto& [looks, size] : {std::pair{skin_files::kChooser, chooserWindow},
                                    std::pair{skin_files::kChooserCombination, chooserPage},
                                    std::pair{skin_files::kChooserMacro, chooserPage},
                                    std::pair{skin_files::kChooserBasic, chooserPage},
                                    std::pair{skin_files::kChooserAdvanced, chooserPage}}) {
    for (std::string_view file : {looks.normal, looks.hover, looks.pressed}) {
      pictures.push_back({std::string(file), size});
    }
  }
  pictures.push_back({std::string(skin_files::kScrollBar), sized(skin_files::kScrollBarSize)});
  for (const skin_files::ListIcons& icons :
       {skin_files::kListIconUp, skin_files::kListIconDown, skin_files::kListIconDelay}) {
    pictures.push_back({std::string(icons.normal), sized(skin_files::kListIconSize)});
    pictures.push_back({std::string(icons.selected), sized(skin_files::kListIconSize)});
  }
  const QSize buttonPage(button_page::kWidth, button_page::kHeight);
  for (const skin_files::PageLooks& looks :
       {skin_files::kButtonPageChinese, skin_files::kButtonPageOther}) {
    for (std::string_view file : {looks.normal, looks.over, looks.down}) {
      pictures.push_back({std::string(file), buttonPage});
    }
  }
  const QSize lighting(lighting_page::kWidth, lighting_page::kHeight);
  for (const skin_files::LightingLooks& looks :
       {skin_files::kLightingChinese, skin_files::kLightingOther}) {
    for (std::string_view file : {looks.normal, looks.hover, looks.pressed, looks.disabled}) {
      pictures.push_back({std::string(file), lighting});
    }
  }
  const QSize stats(stats_page::kWidth, stats_page::kHeight);
  for (std::string_view file :
       {skin_files::kStatsNormal, skin_files::kStatsOver, skin_files::kStatsDown}) {
    pictures.push_back({std::string(file), stats});
  }
  for (int level = 0; level < kTrophyCount; ++level) {
    pictures.push_back({skin_files::TrophyFile(level),
                        QSize(stats_page::kTrophy.Width(), stats_page::kTrophy.Height())});
  }
  for (const skin_files::BoxLooks& looks :
       {skin_files::kMacroPageOther, skin_files::kMacroPageChinese}) {
    for (std::string_view file : {looks.normal, looks.hover, looks.pressed}) {
      pictures.push_back({std::string(file), QSize(macro_page::kWidth, macro_page::kHeight)});
    }
  }
  return pictures;
}

TEST(SkinFilesTest, EveryPictureIsInTheProgramFolderAtItsSizeAndTwiceIt) {
  for (const Picture& picture : AllPictures()) {
    for (const int scale : kScales) {
      const QImage image = Load(picture.file, scale);
      EXPECT_EQ(image.size(), picture.size * scale)
          << skin_files::AtScale(picture.file, scale) << (image.isNull() ? " is missing" : "");
    }
  }
}

// A look of a window against its background: the controls whose pixels the
// look changes, and where inside each control to look for the change.
struct LookCase {
  std::string_view background;
  std::string_view look;
  std::function<bool(Point)> insideAControl;  // in 1x pixels
  std::vector<Point> samples;                 // one or more per control, in 1x pixels
};

std::vector<Point> SamplesOf(const Quad& quad) {
  const Rect bounds = quad.Bounds();
  const Point centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  std::vector<Point> samples{centre};
  for (const Point& corner : quad.corners) {
    samples.push_back({(corner.x + centre.x) / 2, (corner.y + centre.y) / 2});
  }
  return samples;
}

std::vector<LookCase> RegionCases() {
  const auto insideAShape = [](Point p) {
    for (const main_window::RegionControl& control : main_window::kRegionControls) {
      if (control.shape.Contains(p)) {
        return true;
      }
    }
    return false;
  };
  std::vector<Point> samples;
  for (const main_window::RegionControl& control : main_window::kRegionControls) {
    for (const Point& p : SamplesOf(control.shape)) {
      samples.push_back(p);
    }
  }
  std::vector<LookCase> cases;
  for (const skin_files::RegionLooks& looks :
       {skin_files::kRegionChinese, skin_files::kRegionOther}) {
    for (std::string_view look : {looks.hover, looks.selected, looks.disabled}) {
      cases.push_back({looks.normal, look, insideAShape, samples});
    }
  }
  return cases;
}

std::vector<LookCase> PlainButtonCases() {
  const auto insideAny = [](std::vector<Rect> rects) {
    return [rects](Point p) {
      for (const Rect& rect : rects) {
        if (rect.Contains(p)) {
          return true;
        }
      }
      return false;
    };
  };
  const auto centres = [](std::vector<Rect> rects) {
    std::vector<Point> points;
    for (const Rect& rect : rects) {
      points.push_back({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    return points;
  };
  const std::vector<Rect> main{main_window::kMinimise, main_window::kClose,
                               main_window::kLanguageButton};
  const std::vector<Rect> ok{info_box::kOkAlone, info_box::kClose};
  const std::vector<Rect> cancel{info_box::kOkWithCancel, info_box::kCancel, info_box::kClose};
  std::vector<Rect> chooserWindow{chooser::kClose, chooser::kDisableBox, chooser::kDefault,
                                  chooser::kOk};
  chooserWindow.insert(chooserWindow.end(), chooser::kTabs.begin(), chooser::kTabs.end());
  const std::vector<Rect> modifiers(chooser::kModifierBoxes.begin(), chooser::kModifierBoxes.end());
  std::vector<Rect> actions;
  for (const chooser::ActionRow& row : chooser::kActionRows) {
    actions.insert(actions.end(), {row.radio, row.path, row.browse});
  }
  std::vector<LookCase> cases = {
      {skin_files::kMainNormal, skin_files::kMainOver, insideAny(main), centres(main)},
      {skin_files::kMainNormal, skin_files::kMainDown, insideAny(main), centres(main)},
      {skin_files::kInfoBoxOk.normal, skin_files::kInfoBoxOk.hover, insideAny(ok), centres(ok)},
      {skin_files::kInfoBoxOk.normal, skin_files::kInfoBoxOk.pressed, insideAny(ok), centres(ok)},
      {skin_files::kInfoBoxCancel.normal, skin_files::kInfoBoxCancel.hover, insideAny(cancel),
       centres(cancel)},
      {skin_files::kInfoBoxCancel.normal, skin_files::kInfoBoxCancel.pressed, insideAny(cancel),
       centres(cancel)},
  };
  for (const auto& [looks, controls] : {std::pair{skin_files::kChooser, chooserWindow},
                                        std::pair{skin_files::kChooserCombination, modifiers},
                                        std::pair{skin_files::kChooserAdvanced, actions}}) {
    cases.push_back({looks.normal, looks.hover, insideAny(controls), centres(controls)});
    cases.push_back({looks.normal, looks.pressed, insideAny(controls), centres(controls)});
  }
  return cases;
}

// Every control of the button page changes with the look, in both layouts:
// the glyphs of boxes and radios, plus and minus, the markers and the tabs.
std::vector<LookCase> ButtonPageCases() {
  using namespace button_page;
  std::vector<LookCase> cases;
  for (const bool chinese : {true, false}) {
    const WheelControls& wheel = chinese ? kWheelChinese : kWheelOther;
    std::vector<Rect> rects{kPrecisionBox, wheel.linesRadio, wheel.screenRadio, wheel.plus,
                            wheel.minus};
    for (const Rect& r : kDpiBoxes) {
      rects.push_back(r);
    }
    for (const Rect& r : kReportRateRadios) {
      rects.push_back(r);
    }
    for (const Rect& r : kMarkers) {
      rects.push_back(r);
    }
    const auto inside = [rects](Point p) {
      return std::any_of(rects.begin(), rects.end(),
                         [p](const Rect& r) { return r.Contains(p); }) ||
             std::any_of(kTabs.begin(), kTabs.end(), [p](const Quad& q) { return q.Contains(p); });
    };
    // Markers take no pointer, so they have no hover look: the first rects'
    // samples are those of the hover look.
    const std::size_t hovered = rects.size() - kMarkers.size();
    std::vector<Point> samples;
    for (const Rect& r : rects) {
      // The glyph at the left of a box or radio, the middle of anything else.
      const bool glyph = r.Width() > 30;
      samples.push_back(glyph ? Point{r.left + 5, (r.top + r.bottom) / 2}
                              : Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    for (const Quad& tab : kTabs) {
      const Rect b = tab.Bounds();
      samples.push_back({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    }
    const skin_files::PageLooks& looks =
        chinese ? skin_files::kButtonPageChinese : skin_files::kButtonPageOther;
    std::vector<Point> hoverSamples(samples.begin(),
                                    samples.begin() + static_cast<std::ptrdiff_t>(hovered));
    for (std::size_t tab = 0; tab < kTabs.size(); ++tab) {
      hoverSamples.push_back(samples[samples.size() - kTabs.size() + tab]);
    }
    cases.push_back({looks.normal, looks.over, inside, hoverSamples});
    cases.push_back({looks.normal, looks.down, inside, samples});
  }
  return cases;
}

// The lighting page's looks change its buttons, sliders and palette, in each
// layout at that layout's places; its pressed look is what lights a mode.
std::vector<LookCase> LightingCases() {
  std::vector<LookCase> cases;
  for (const bool chinese : {false, true}) {
    std::vector<Rect> rects;
    for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
      rects.push_back(lighting_page::RectOf(static_cast<lighting_page::Control>(i), chinese));
    }
    std::vector<Point> samples;
    for (int k = 0; k < kPaletteSize; ++k) {
      const Rect chip = lighting_page::PaletteRect(k, chinese);
      rects.push_back(chip);
      samples.push_back({chip.left + 1, chip.top + 2});
    }
    for (const lighting_page::Control mode :
         {lighting_page::Control::kMode1, lighting_page::Control::kMode5,
          lighting_page::Control::kProximityOff}) {
      const Rect rect = lighting_page::RectOf(mode, chinese);
      samples.push_back({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    const auto inside = [rects](Point p) {
      for (const Rect& rect : rects) {
        if (rect.Contains(p)) {
          return true;
        }
      }
      return false;
    };
    const skin_files::LightingLooks& looks =
        chinese ? skin_files::kLightingChinese : skin_files::kLightingOther;
    for (std::string_view look : {looks.hover, looks.pressed}) {
      cases.push_back({looks.normal, look, inside, samples});
    }
  }
  return cases;
}

// The macro page's buttons, boxes and mouse buttons, in each layout at that
// layout's places.
std::vector<LookCase> MacroPageCases() {
  using macro_page::Control;
  std::vector<LookCase> cases;
  for (const bool chinese : {false, true}) {
    std::vector<Rect> rects;
    std::vector<Point> samples;
    for (const Control control :
         {Control::kGroupButton, Control::kNewMacro, Control::kDeleteMacro, Control::kInsert,
          Control::kDeleteEvent, Control::kModify, Control::kRecord, Control::kLeftPicture,
          Control::kMiddlePicture, Control::kRightPicture, Control::kKeyOk, Control::kDelayOk,
          Control::kDelayToggle, Control::kKeyOption, Control::kDelayOption}) {
      const Rect r = macro_page::RectOf(control, chinese);
      rects.push_back(r);
      // The mark at the left of a box or option, the middle of anything else.
      const bool mark = control == Control::kDelayToggle || control == Control::kKeyOption ||
                        control == Control::kDelayOption;
      samples.push_back(mark ? Point{r.left + 9, (r.top + r.bottom) / 2}
                             : Point{(r.left + r.right) / 2, r.top + 3});
    }
    const auto inside = [rects](Point p) {
      return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
    };
    const skin_files::BoxLooks& looks =
        chinese ? skin_files::kMacroPageChinese : skin_files::kMacroPageOther;
    for (std::string_view look : {looks.hover, looks.pressed}) {
      cases.push_back({looks.normal, look, inside, samples});
    }
  }
  return cases;
}

void ExpectLookDiffersOnlyInsideItsControls(const LookCase& c) {
  const QImage firstBackground = Load(c.background, 1);
  ASSERT_FALSE(firstBackground.isNull()) << c.background;
  const int width = firstBackground.width();
  std::vector<bool> inside(static_cast<std::size_t>(width * firstBackground.height()));
  for (int y = 0; y < firstBackground.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      inside[static_cast<std::size_t>(y * width + x)] = c.insideAControl({x, y});
    }
  }
  for (const int scale : kScales) {
    SCOPED_TRACE(skin_files::AtScale(c.look, scale));
    const QImage background = Load(c.background, scale);
    const QImage look = Load(c.look, scale);
    ASSERT_EQ(look.size(), background.size());
    int strayPixels = 0;
    int seeThroughPixels = 0;
    for (int y = 0; y < look.height(); ++y) {
      const auto* lookRow = reinterpret_cast<const QRgb*>(look.constScanLine(y));
      const auto* backgroundRow = reinterpret_cast<const QRgb*>(background.constScanLine(y));
      for (int x = 0; x < look.width(); ++x) {
        seeThroughPixels += qAlpha(lookRow[x]) != 255 ? 1 : 0;
        if (!inside[static_cast<std::size_t>((y / scale) * width + x / scale)] &&
            lookRow[x] != backgroundRow[x]) {
          ++strayPixels;
        }
      }
    }
    EXPECT_EQ(seeThroughPixels, 0);
    EXPECT_EQ(strayPixels, 0) << "pixels changed outside the controls";
    for (const Point& p : c.samples) {
      const int x = p.x * scale;
      const int y = p.y * scale;
      EXPECT_NE(look.pixel(x, y), background.pixel(x, y)) << "unchanged at " << p.x << "," << p.y;
    }
  }
}

TEST(SkinFilesTest, RegionLooksChangeTheSlantedButtonsAndNothingElse) {
  for (const LookCase& c : RegionCases()) {
    ExpectLookDiffersOnlyInsideItsControls(c);
  }
}

TEST(SkinFilesTest, ButtonPageLooksChangeItsControlsAndNothingElse) {
  for (const LookCase& c : ButtonPageCases()) {
    ExpectLookDiffersOnlyInsideItsControls(c);
  }
}

TEST(SkinFilesTest, HoverAndPressedLooksChangeOnlyThePlainButtons) {
  for (const LookCase& c : PlainButtonCases()) {
    ExpectLookDiffersOnlyInsideItsControls(c);
  }
}

TEST(SkinFilesTest, LightingLooksChangeOnlyItsControlsInEachLayout) {
  for (const LookCase& c : LightingCases()) {
    ExpectLookDiffersOnlyInsideItsControls(c);
  }
}

TEST(SkinFilesTest, MacroPageLooksChangeOnlyItsControlsInEachLayout) {
  for (const LookCase& c : MacroPageCases()) {
    ExpectLookDiffersOnlyInsideItsControls(c);
  }
}

TEST(SkinFilesTest, TheLightingBackgroundShowsEachPaletteColourInItsButton) {
  for (const bool chinese : {false, true}) {
    const QImage background =
        Load(chinese ? skin_files::kLightingChinese.normal : skin_files::kLightingOther.normal, 1);
    ASSERT_FALSE(background.isNull());
    for (int k = 0; k < kPaletteSize; ++k) {
      const Rect chip = lighting_page::PaletteRect(k, chinese);
      const std::uint32_t c = kLedPalette[static_cast<std::size_t>(k)];
      EXPECT_EQ(background.pixel((chip.left + chip.right) / 2, (chip.top + chip.bottom) / 2),
                qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                     static_cast<int>((c >> 16) & 0xFF)))
          << "palette " << k;
    }
  }
}

TEST(SkinFilesTest, SliderThumbCornersHaveTheSeeThroughColourAndItsMiddleNot) {
  for (const int scale : kScales) {
    const QImage thumb = Load(skin_files::kSliderThumb, scale);
    ASSERT_FALSE(thumb.isNull());
    const QRgb key = thumb.pixel(0, 0);
    const int right = thumb.width() - 1;
    const int bottom = thumb.height() - 1;
    EXPECT_EQ(thumb.pixel(right, 0), key) << "scale " << scale;
    EXPECT_EQ(thumb.pixel(0, bottom), key) << "scale " << scale;
    EXPECT_EQ(thumb.pixel(right, bottom), key) << "scale " << scale;
    EXPECT_NE(thumb.pixel(thumb.width() / 2, thumb.height() / 2), key) << "scale " << scale;
  }
}

}  // namespace
}  // namespace n63k
