#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <functional>
#include <memory>
#include <vector>

#include "core/pages/MainWindowLayout.h"
#include "support/CaseName.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/RegionButton.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

// A bitmap button's caption room is its width less 13 pixels of margin.
constexpr int kButtonMargin = 13;
const QString kLong = QStringLiteral("Restore the default settings of the mouse");

int Width(const QString& text, int pixels) {
  return QFontMetrics(DialogFont(pixels)).horizontalAdvance(text);
}

struct FitCase {
  const char* name;
  // Builds the control under `parent` with its caption.
  std::function<QWidget*(QWidget& parent)> make;
  bool misfit;
  CaptionKind kind;
  bool cut;
  int pixels;  // the font size the caption ended at (0: any)
};
void PrintTo(const FitCase& c, std::ostream* os) {
  *os << c.name;
}

// One line high unless `height` says otherwise.
QWidget* Button(QWidget& parent, const QString& text, int width, int height = 18) {
  auto* button = new BitmapButton(Rect{0, 0, width, height}, &parent);
  button->SetText(text);
  return button;
}

class CaptionFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(CaptionFitTest, ReportsOnlyCaptionsThatDoNotFit) {
  const FitCase& c = GetParam();
  std::vector<CaptionMisfit> misfits;
  const CaptionFitLog log([&misfits](const CaptionMisfit& m) { misfits.push_back(m); });
  QWidget parent;
  parent.resize(main_window::kWidth, main_window::kHeight);
  QWidget* control = c.make(parent);
  control->grab();

  ASSERT_EQ(misfits.size(), c.misfit ? 1u : 0u);
  if (c.misfit) {
    EXPECT_EQ(misfits[0].kind, c.kind);
    EXPECT_EQ(misfits[0].cut, c.cut);
    if (c.pixels > 0) {
      EXPECT_EQ(misfits[0].pixels, c.pixels);
    }
    EXPECT_EQ(misfits[0].text, kLong);
    EXPECT_GT(misfits[0].neededWidth, misfits[0].availableWidth);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaptionFitTest,
    ::testing::Values(
        FitCase{"ButtonFits",
                [](QWidget& p) { return Button(p, kLong, Width(kLong, 14) + kButtonMargin + 1); },
                false, CaptionKind::kButton, false, 0},
        // Set smaller, the caption still reads whole: no cut.
        FitCase{"ButtonFitsOnceSmaller",
                [](QWidget& p) { return Button(p, kLong, Width(kLong, 11) + kButtonMargin + 1); },
                false, CaptionKind::kButton, false, 0},
        // Too wide even at the smallest size, it takes two lines where the
        // button is tall enough.
        FitCase{
            "TallButtonTakesTwoLines",
            [](QWidget& p) { return Button(p, kLong, Width(kLong, 10) + kButtonMargin - 4, 32); },
            false, CaptionKind::kButton, false, 0},
        FitCase{"ButtonCutAtTheSmallestSize",
                [](QWidget& p) { return Button(p, kLong, Width(kLong, 10) + kButtonMargin - 4); },
                true, CaptionKind::kButton, true, 10},
        FitCase{"ListEntryCut",
                [](QWidget& p) {
                  auto* list = new SkinListBox({}, &p);
                  list->resize(80, 100);
                  list->AddItem(0, kLong, 0, false);
                  return list;
                },
                true, CaptionKind::kListEntry, true, 0},
        // A tab's caption is drawn whole, past the slanted shape.
        FitCase{"TabRunsPastItsShape",
                [](QWidget& p) {
                  auto* tab = new RegionButton(main_window::kRegionControls[0].shape, &p);
                  tab->setText(kLong);
                  return tab;
                },
                true, CaptionKind::kButton, false, 14},
        FitCase{"PlainLabelRunsPast",
                [](QWidget& p) {
                  auto* label = new QLabel(kLong, &p);
                  label->setFont(DialogFont(12));
                  label->setGeometry(0, 0, 100, 20);
                  return label;
                },
                true, CaptionKind::kLabel, false, 12}),
    test::CaseName<FitCase>);

// Without a log nothing is noted, and the caption is still cut to its room.
TEST(CaptionFitWithoutLogTest, CutsToTheRoom) {
  QWidget widget;
  QPixmap canvas(10, 10);
  QPainter painter(&canvas);
  painter.setFont(DialogFont(14));
  const QString shown = FitCaption(painter, &widget, CaptionKind::kButton, kLong, QSize(60, 20));
  EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
  EXPECT_LE(painter.fontMetrics().horizontalAdvance(shown), 60);
}

}  // namespace
}  // namespace n63k::ui
