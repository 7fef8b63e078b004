// The button page in its three looks, for the Chinese layout and for the
// others: check boxes and radios with their numbers, the slider grooves, the
// scroll-lines well with plus and minus, the mouse picture with its markers,
// and the button tabs. Captions in words are drawn at run time.
#include <QFont>
#include <QPainterPath>
#include <string>

#include "core/pages/ButtonPageLayout.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace button_page;

constexpr QSize kSize{kWidth, kHeight};
constexpr qreal kGlyphSide = 10;
constexpr int kNumberPixels = 11;

struct LookColours {
  QColor fill;
  QColor edge;
  QColor text;
};

LookColours ColoursOf(Look look) {
  switch (look) {
    case Look::Over:
      return {kRaisedOver, kEdgeOver, Qt::white};
    case Look::Down:
      return {kAccent, kAccentOver, Qt::white};
    default:
      return {kRaised, kEdge, kText};
  }
}

// The square or circle at the left of a check box or radio, centred in height.
QRectF GlyphBox(const Rect& control) {
  const qreal top = control.top + (control.Height() - kGlyphSide) / 2.0;
  return {control.left + 0.5, top, kGlyphSide, kGlyphSide};
}

void PaintCheckGlyph(QPainter& painter, const Rect& control, Look look) {
  const LookColours colours = ColoursOf(look);
  const QRectF box = GlyphBox(control);
  painter.setPen(QPen(colours.edge, 1));
  painter.setBrush(colours.fill);
  painter.drawRoundedRect(box, 2, 2);
  if (look == Look::Down) {
    QPainterPath tick;
    tick.moveTo(box.left() + 2.2, box.center().y());
    tick.lineTo(box.left() + 4.3, box.bottom() - 2.4);
    tick.lineTo(box.right() - 2, box.top() + 2.4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
  }
}

void PaintRadioGlyph(QPainter& painter, const Rect& control, Look look) {
  const LookColours colours = ColoursOf(look == Look::Down ? Look::Normal : look);
  const QRectF box = GlyphBox(control);
  painter.setPen(QPen(look == Look::Down ? kAccent : colours.edge, 1));
  painter.setBrush(colours.fill);
  painter.drawEllipse(box);
  if (look == Look::Down) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawEllipse(box.adjusted(2.5, 2.5, -2.5, -2.5));
  }
}

// Numbers are the same in every language, so they are part of the picture.
void PaintNumber(QPainter& painter, const Rect& control, int number, int pixels, Look look) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  painter.setFont(font);
  painter.setPen(ColoursOf(look).text);
  const QRectF area(control.left + kGlyphSide + 4, control.top - 2,
                    control.Width() - kGlyphSide - 4, control.Height() + 4);
  // The looks may differ only inside the control.
  painter.save();
  painter.setClipRect(ToRectF(control));
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QString::number(number));
  painter.restore();
}

void PaintHeading(QPainter& painter, const Heading& heading) {
  const QRectF r = ToRectF(heading.rect);
  painter.fillRect(QRectF(r.left(), r.top() + 4, 3, r.height() - 8), kAccent);
  painter.fillRect(QRectF(r.left() + 8, r.bottom() - 1, r.width() - 8, 1), kEdge);
}

void PaintSliderGroove(QPainter& painter, const Rect& slider) {
  const QRectF groove(slider.left, slider.bottom - 7, slider.Width(), 4);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(kWell);
  painter.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

void PaintStepButton(QPainter& painter, const Rect& button, bool plus, Look look) {
  const LookColours colours = ColoursOf(look);
  FillRaisedBox(painter, ToRectF(button), colours.fill, colours.edge);
  const QPointF c = ToRectF(button).center();
  painter.setPen(QPen(look == Look::Normal ? kGlyph : QColor(Qt::white), 1.4));
  painter.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
  if (plus) {
    painter.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
  }
}

void PaintEditWell(QPainter& painter, const Rect& edit) {
  const QRectF r = ToRectF(edit);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(kCard);
  painter.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

// A top view of the mouse, its buttons split where the markers sit.
void PaintMouse(QPainter& painter) {
  const QRectF body = ToRectF(kMousePicture);
  QPainterPath shell;
  shell.addRoundedRect(body, body.width() / 2.2, body.width() / 2.6);
  painter.setPen(QPen(kEdge, 1.5));
  painter.setBrush(kRaised);
  painter.drawPath(shell);
  const qreal split = (kMarkers[6].bottom + kMarkers[4].top) / 2.0;
  painter.setPen(QPen(kEdgeOver, 1));
  painter.drawLine(QPointF(body.left() + 4, split), QPointF(body.right() - 4, split));
  painter.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), split));
  const QRectF wheel(body.center().x() - 5, kMarkers[5].top + 2, 10,
                     kMarkers[6].bottom - kMarkers[5].top - 4);
  painter.setBrush(kWell);
  painter.drawRoundedRect(wheel, 5, 5);
  // The two side buttons along the left flank.
  for (const std::size_t side : {std::size_t{3}, std::size_t{4}}) {
    const QRectF r = ToRectF(kMarkers[side]);
    painter.drawRoundedRect(QRectF(body.left() - 3, r.top() + 3, 7, r.height() - 6), 3, 3);
  }
}

void PaintMarker(QPainter& painter, const Rect& marker, Look look) {
  const QRectF r = ToRectF(marker);
  const qreal side = std::min(r.width(), r.height()) - 6;
  const QRectF dot(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  if (look == Look::Down) {
    painter.setPen(QPen(kAccentOver, 1.5));
    painter.setBrush(kAccent);
  } else {
    painter.setPen(QPen(kEdgeOver, 1.5));
    painter.setBrush(Qt::NoBrush);
  }
  painter.drawEllipse(dot);
}

void PaintTab(QPainter& painter, const Quad& tab, Look look) {
  switch (look) {
    case Look::Over:
      FillRaisedQuad(painter, tab, kRaisedOver, kEdgeOver);
      break;
    case Look::Down:
      FillRaisedQuad(painter, tab, kAccent, kAccentOver);
      break;
    default:
      FillRaisedQuad(painter, tab, kRaised, kEdge);
      break;
  }
}

void PaintPage(QPainter& painter, const WheelControls& wheel, Look look) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRect(QPoint(0, 0), kSize), kWindow);
  const QRectF page(0, 0, kWidth, kHeight);
  painter.fillPath(RoundedBox(page), kPanel);
  painter.strokePath(RoundedBox(page.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kEdge, 1));

  for (const Heading& heading : kHeadings) {
    PaintHeading(painter, heading);
  }
  for (std::size_t box = 0; box < kDpiBoxes.size(); ++box) {
    PaintCheckGlyph(painter, kDpiBoxes[box], look);
    PaintNumber(painter, kDpiBoxes[box], kDpiValues[box], kNumberPixels, look);
  }
  PaintSliderGroove(painter, kSpeedSlider);
  PaintSliderGroove(painter, kSensorSlider);
  PaintCheckGlyph(painter, kPrecisionBox, look);
  for (std::size_t radio = 0; radio < kReportRateRadios.size(); ++radio) {
    PaintRadioGlyph(painter, kReportRateRadios[radio], look);
    PaintNumber(painter, kReportRateRadios[radio], kReportRates[radio], kNumberPixels + 1, look);
  }
  PaintRadioGlyph(painter, wheel.linesRadio, look);
  PaintRadioGlyph(painter, wheel.screenRadio, look);
  PaintEditWell(painter, wheel.linesEdit);
  PaintStepButton(painter, wheel.plus, true, look);
  PaintStepButton(painter, wheel.minus, false, look);

  PaintMouse(painter);
  for (const Rect& marker : kMarkers) {
    PaintMarker(painter, marker, look);
  }
  for (const Quad& tab : kTabs) {
    PaintTab(painter, tab, look);
  }
}

void WriteFamily(SkinWriter& writer, const skin_files::PageLooks& looks,
                 const WheelControls& wheel) {
  const auto write = [&](std::string_view file, Look look) {
    writer.Write(file, kSize, SkinWriter::Surface::Opaque,
                 [&wheel, look](QPainter& painter, int) { PaintPage(painter, wheel, look); });
  };
  write(looks.normal, Look::Normal);
  write(looks.over, Look::Over);
  write(looks.down, Look::Down);
}

}  // namespace

void WriteButtonPageSkins(SkinWriter& writer) {
  WriteFamily(writer, skin_files::kButtonPageChinese, kWheelChinese);
  WriteFamily(writer, skin_files::kButtonPageOther, kWheelOther);
}

}  // namespace n63k::skins
