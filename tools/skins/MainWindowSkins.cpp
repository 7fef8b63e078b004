// The main window's background with its three looks of the plain buttons, and
// the looks of its slanted buttons, all painted over the same background.
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>

#include "core/pages/MainWindowLayout.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace main_window;

constexpr QSize kSize{kWidth, kHeight};
// The header band ends halfway between the window buttons and the tabs.
constexpr int kHeaderBottom = (kClose.bottom + kRegionControls[kFirstTab].shape.Bounds().top) / 2;
constexpr int kWordmarkPixels = 26;

struct PlainLook {
  QColor fill;  // transparent: the background shows
  QColor glyph;
};

PlainLook WindowButtonLook(Look look, bool closes) {
  switch (look) {
    case Look::Over:
      return {closes ? kAccentOver : kRaisedOver, Qt::white};
    case Look::Down:
      return {kAccent, Qt::white};
    default:
      return {Qt::transparent, kGlyph};
  }
}

void PaintWordmark(QPainter& painter) {
  QFont font("DejaVu Sans");
  font.setPixelSize(kWordmarkPixels);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  const QFontMetricsF metrics(font);
  const QString brand = QStringLiteral("KORVU ");
  const QString model = QStringLiteral("N63K");
  const qreal left = kRegionControls[kFirstTab].shape.Bounds().left;
  const qreal baseline = (kHeaderBottom + metrics.capHeight()) / 2;
  painter.setFont(font);
  painter.setPen(kText);
  painter.drawText(QPointF(left, baseline), brand);
  painter.setPen(kAccent);
  painter.drawText(QPointF(left + metrics.horizontalAdvance(brand), baseline), model);
}

void PaintMinimise(QPainter& painter, Look look) {
  const PlainLook plain = WindowButtonLook(look, false);
  const QRectF box = ToRectF(kMinimise).adjusted(1, 1, -1, -1);
  painter.fillPath(RoundedBox(box), plain.fill);
  const QPointF centre = box.center();
  painter.setPen(QPen(plain.glyph, kGlyphPen, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(centre.x() - 6, centre.y() + 4),
                   QPointF(centre.x() + 6, centre.y() + 4));
}

void PaintClose(QPainter& painter, Look look) {
  const PlainLook plain = WindowButtonLook(look, true);
  const QRectF box = ToRectF(kClose).adjusted(1, 1, -1, -1);
  painter.fillPath(RoundedBox(box), plain.fill);
  PaintCloseGlyph(painter, box.center(), plain.glyph);
}

void PaintLanguageButton(QPainter& painter, Look look) {
  const QRectF box = ToRectF(kLanguageButton);
  switch (look) {
    case Look::Over:
      FillRaisedBox(painter, box, kRaisedOver, kEdgeOver);
      break;
    case Look::Down:
      FillRaisedBox(painter, box, kAccent, kAccentEdge);
      break;
    default:
      FillRaisedBox(painter, box, kRaised, kEdge);
      break;
  }
  // A small drop-up arrow: the list opens above the button.
  const QPointF c = box.center();
  QPainterPath arrow;
  arrow.moveTo(c + QPointF(-4.5, 2.5));
  arrow.lineTo(c + QPointF(4.5, 2.5));
  arrow.lineTo(c + QPointF(0, -2.5));
  arrow.closeSubpath();
  painter.fillPath(arrow, look == Look::Normal ? kGlyph : QColor(Qt::white));
}

// Everything but the slanted buttons; `look` is that of the plain buttons.
void PaintBackground(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kWindow);
  painter.fillRect(QRectF(0, 0, kWidth, kHeaderBottom), kHeader);
  painter.fillRect(QRectF(0, kHeaderBottom, kWidth, 1), kRaised);
  PaintWordmark(painter);
  PaintMinimise(painter, look);
  PaintClose(painter, look);

  painter.fillPath(RoundedBox(ToRectF(kPages)), kPanel);
  painter.strokePath(RoundedBox(ToRectF(kPages).adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kEdge, 1));

  // The bottom bar starts halfway between the pages and the highest control in it.
  const int barTop = (kPages.bottom + kRegionControls[kApplyButton].shape.Bounds().top) / 2;
  painter.fillRect(QRectF(kPages.left, barTop, kPages.Width(), 1), kRaised);

  painter.fillPath(RoundedBox(ToRectF(kLanguageFlag.Grown(1))), kWell);
  painter.strokePath(RoundedBox(ToRectF(kLanguageFlag.Grown(1)).adjusted(0.5, 0.5, -0.5, -0.5)),
                     QPen(kEdge, 1));
  PaintLanguageButton(painter, look);

  const Rect status{kStatusLine.left - 4, kStatusLine.top, kStatusLine.right + 4,
                    kStatusLine.bottom};
  painter.fillPath(RoundedBox(ToRectF(status)), kWell);
  painter.strokePath(RoundedBox(ToRectF(status).adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kRaised, 1));
}

void PaintRegionControls(QPainter& painter, Look look) {
  for (const RegionControl& control : kRegionControls) {
    switch (look) {
      case Look::Normal:
        FillRaisedQuad(painter, control.shape, kRaised, kEdge);
        break;
      case Look::Over:
        FillRaisedQuad(painter, control.shape, kRaisedOver, kEdgeOver);
        break;
      case Look::Down:
        FillRaisedQuad(painter, control.shape, kAccent, kAccentOver);
        break;
      case Look::Disabled:
        FillRaisedQuad(painter, control.shape, kRaisedDisabled, kEdgeDisabled);
        break;
    }
  }
}

void WriteRegionLooks(SkinWriter& writer, const skin_files::RegionLooks& looks) {
  const auto write = [&writer](std::string_view file, Look look) {
    writer.Write(file, kSize, SkinWriter::Surface::Opaque, [look](QPainter& painter, int) {
      PaintBackground(painter, Look::Normal);
      PaintRegionControls(painter, look);
    });
  };
  write(looks.normal, Look::Normal);
  write(looks.selected, Look::Down);
  write(looks.hover, Look::Over);
  write(looks.disabled, Look::Disabled);
}

}  // namespace

void WriteMainWindowSkins(SkinWriter& writer) {
  const auto write = [&writer](std::string_view file, Look look) {
    writer.Write(file, kSize, SkinWriter::Surface::Opaque, [look](QPainter& painter, int) {
      PaintBackground(painter, look);
      PaintRegionControls(painter, Look::Normal);
    });
  };
  write(skin_files::kMainNormal, Look::Normal);
  write(skin_files::kMainOver, Look::Over);
  write(skin_files::kMainDown, Look::Down);
  // Captions are drawn at run time in the current language, so the Chinese
  // layout and the others share one look.
  WriteRegionLooks(writer, skin_files::kRegionChinese);
  WriteRegionLooks(writer, skin_files::kRegionOther);
}

}  // namespace n63k::skins
