// The lighting page in both layouts: one background with the colour wheel and
// the palette's colours, and the hover, pressed and disabled looks, which
// differ from it only under the controls.
#include <QConicalGradient>
#include <QRadialGradient>
#include <cmath>

#include "core/pages/LightingLayout.h"
#include "core/pages/LightingSettings.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using lighting_page::Control;

constexpr QSize kSize{lighting_page::kWidth, lighting_page::kHeight};
constexpr qreal kHeadingBar = 3;
constexpr qreal kGroove = 4;

QColor PaletteColour(int index) {
  const std::uint32_t c = kLedPalette[static_cast<std::size_t>(index)];
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

bool IsSlider(Control control) {
  switch (control) {
    case Control::kSpeedSlider:
    case Control::kBrightnessSlider:
    case Control::kCycleSpeedSlider:
    case Control::kRedSlider:
    case Control::kGreenSlider:
    case Control::kBlueSlider:
      return true;
    default:
      return false;
  }
}

bool IsSwatch(Control control) {
  return control == Control::kSwatch1 || control == Control::kSwatch2 ||
         control == Control::kSwatch3 || control == Control::kCurrentSwatch;
}

bool IsHeading(Control control) {
  return control == Control::kBacklightZone || control == Control::kProximityZone ||
         control == Control::kColourSettingsZone;
}

bool IsZone(Control control) {
  return IsHeading(control) || control == Control::kCurrentColourZone ||
         control == Control::kPresetZone || control == Control::kCustomZone;
}

// A groove along the slider's middle; the thumb rides on it.
void PaintGroove(QPainter& painter, const QRectF& rect, Look look) {
  const QRectF groove(rect.left(), rect.center().y() - kGroove / 2, rect.width(), kGroove);
  painter.fillPath(RoundedBox(groove), look == Look::Disabled ? kRaisedDisabled : kWell);
  painter.strokePath(RoundedBox(groove.adjusted(0.5, 0.5, -0.5, -0.5)),
                     QPen(look == Look::Disabled ? kEdgeDisabled : kEdge, 1));
}

void PaintWell(QPainter& painter, const QRectF& rect) {
  painter.fillPath(RoundedBox(rect), kWell);
  painter.strokePath(RoundedBox(rect.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kEdge, 1));
}

void PaintHeading(QPainter& painter, const QRectF& rect) {
  painter.fillRect(QRectF(rect.left(), rect.top() + 4, kHeadingBar, rect.height() - 8), kAccent);
  painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), kEdge);
}

void PaintChip(QPainter& painter, const QRectF& rect, const QColor& colour, Look look) {
  const QRectF chip = rect.adjusted(3, 3, -3, -3);
  QColor fill = colour;
  if (look == Look::Disabled) {
    fill = QColor::fromRgbF(colour.redF() * 0.3F + kPanel.redF() * 0.7F,
                            colour.greenF() * 0.3F + kPanel.greenF() * 0.7F,
                            colour.blueF() * 0.3F + kPanel.blueF() * 0.7F);
  }
  painter.fillPath(RoundedBox(chip), fill);
  if (look == Look::Down || look == Look::Over) {
    painter.strokePath(RoundedBox(rect.adjusted(1, 1, -1, -1)),
                       QPen(look == Look::Down ? kAccent : kText, 2));
  }
}

// Hue around the circle, white at the centre: every colour a light can show.
void PaintWheel(QPainter& painter) {
  const QRectF rect = ToRectF(lighting_page::kWheel);
  QPainterPath ellipse;
  ellipse.addEllipse(rect);
  QConicalGradient hues(rect.center(), 0);
  for (int step = 0; step <= 6; ++step) {
    hues.setColorAt(step / 6.0, QColor::fromHsvF(static_cast<float>(step % 6) / 6.0F, 1, 1));
  }
  painter.fillPath(ellipse, hues);
  QRadialGradient white(rect.center(), rect.width() / 2);
  white.setColorAt(0, Qt::white);
  white.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillPath(ellipse, white);
  painter.strokePath(ellipse, QPen(kEdge, 1));
}

void PaintLetters(QPainter& painter, bool chinese) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kText);
  const std::array<Control, 3> sliders = {Control::kRedSlider, Control::kGreenSlider,
                                          Control::kBlueSlider};
  const char* letters = "RGB";
  for (std::size_t c = 0; c < sliders.size(); ++c) {
    const Rect rect = lighting_page::RectOf(sliders[c], chinese);
    painter.drawText(QRectF(rect.left - 22, rect.top - 4, 16, rect.Height() + 8), Qt::AlignCenter,
                     QString(QChar(letters[c])));
  }
}

void PaintPage(QPainter& painter, bool chinese, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kPanel);
  for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const QRectF rect = ToRectF(lighting_page::RectOf(control, chinese));
    if (IsSlider(control)) {
      PaintGroove(painter, rect, look);
    } else if (IsSwatch(control)) {
      PaintWell(painter, rect.adjusted(-2, -2, 2, 2));
    } else if (IsHeading(control)) {
      PaintHeading(painter, rect);
    } else if (!IsZone(control)) {
      FillButtonBox(painter, rect, look);
    }
  }
  for (const Rect& number : lighting_page::kNumbers) {
    PaintWell(painter, ToRectF(number).adjusted(-3, -2, 3, 2));
  }
  for (int k = 0; k < kPaletteSize; ++k) {
    PaintChip(painter, ToRectF(lighting_page::PaletteRect(k, chinese)), PaletteColour(k), look);
  }
  PaintLetters(painter, chinese);
  PaintWheel(painter);
}

void WriteFamily(SkinWriter& writer, const skin_files::LightingLooks& files, bool chinese) {
  for (const auto& [file, look] :
       {std::pair{files.normal, Look::Normal}, std::pair{files.hover, Look::Over},
        std::pair{files.pressed, Look::Down}, std::pair{files.disabled, Look::Disabled}}) {
    writer.Write(
        file, kSize, SkinWriter::Surface::Opaque,
        [chinese, look = look](QPainter& painter, int) { PaintPage(painter, chinese, look); });
  }
}

}  // namespace

void WriteLightingSkins(SkinWriter& writer) {
  WriteFamily(writer, skin_files::kLightingOther, false);
  WriteFamily(writer, skin_files::kLightingChinese, true);
}

}  // namespace n63k::skins
