// The macro page, for the Chinese layout and for every other language: the
// lists' wells, the group button, the list buttons with their glyphs, the
// recorder (record button, delay box, loop field, the mouse with its three
// buttons) and the insert/change panel; normal, hover and pressed looks.
#include <QPainterPath>

#include "core/pages/MacroPageLayout.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using macro_page::Control;

constexpr QSize kSize{macro_page::kWidth, macro_page::kHeight};

QRectF PlaceRect(Control control, bool chinese) {
  return ToRectF(macro_page::RectOf(control, chinese));
}

QColor GlyphColour(Look look) {
  return look == Look::Normal ? kGlyph : kText;
}

void PaintWell(QPainter& painter, const QRectF& rect) {
  painter.fillPath(RoundedBox(rect), kWell);
  painter.strokePath(RoundedBox(rect.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kEdge, 1));
}

// The list buttons' glyphs: plus, minus, insert (plus over a bar), delete
// (a cross) and modify (a pencil's slant).
void PaintGlyph(QPainter& painter, Control control, const QRectF& rect, Look look) {
  painter.save();
  painter.setPen(QPen(GlyphColour(look), kGlyphPen, Qt::SolidLine, Qt::RoundCap));
  const QPointF c = rect.center();
  const qreal r = std::min(rect.width(), rect.height()) * 0.22;
  switch (control) {
    case Control::kNewMacro:
    case Control::kInsert:
      painter.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
      painter.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
      break;
    case Control::kDeleteMacro:
      painter.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
      break;
    case Control::kDeleteEvent:
      painter.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
      painter.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
      break;
    case Control::kModify:
      painter.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
      painter.drawLine(QPointF(c.x() - r, c.y() + r + 2), QPointF(c.x() + r, c.y() + r + 2));
      break;
    default:
      break;
  }
  painter.restore();
}

// A check box or a radio mark at the left of a two-state control.
void PaintMark(QPainter& painter, const QRectF& rect, bool round, Look look) {
  const qreal side = std::min(rect.height() - 4, 12.0);
  const QRectF mark(rect.left() + 3, rect.center().y() - side / 2, side, side);
  QPainterPath path;
  if (round) {
    path.addEllipse(mark);
  } else {
    path = RoundedBox(mark);
  }
  painter.fillPath(path, look == Look::Down ? kAccent : look == Look::Over ? kRaisedOver : kWell);
  painter.strokePath(path, QPen(look == Look::Over ? kEdgeOver : kEdge, 1));
  if (look == Look::Down) {
    painter.setPen(QPen(kText, 1.5));
    if (round) {
      painter.setBrush(kText);
      painter.drawEllipse(mark.center(), side / 5, side / 5);
      painter.setBrush(Qt::NoBrush);
    } else {
      painter.drawPolyline(QPolygonF({mark.topLeft() + QPointF(side * 0.2, side * 0.5),
                                      mark.topLeft() + QPointF(side * 0.42, side * 0.75),
                                      mark.topLeft() + QPointF(side * 0.8, side * 0.25)}));
    }
  }
}

// The mouse seen from above, around its three buttons.
void PaintMouse(QPainter& painter, bool chinese, Look look) {
  const QRectF left = PlaceRect(Control::kLeftPicture, chinese);
  const QRectF middle = PlaceRect(Control::kMiddlePicture, chinese);
  const QRectF right = PlaceRect(Control::kRightPicture, chinese);
  const QRectF body(left.left() - 16, middle.top() - 18, right.right() - left.left() + 32,
                    std::max(left.bottom(), right.bottom()) - middle.top() + 88);
  QPainterPath shell;
  shell.addRoundedRect(body, body.width() / 2.2, body.height() / 3.2);
  painter.fillPath(shell, kRaisedDisabled);
  painter.strokePath(shell, QPen(kEdge, 1.5));
  const qreal split = std::max(left.bottom(), right.bottom()) + 6;
  painter.setPen(QPen(kEdge, 1));
  painter.drawLine(QPointF(body.left() + 6, split), QPointF(body.right() - 6, split));
  painter.drawLine(QPointF(middle.center().x(), body.top() + 2),
                   QPointF(middle.center().x(), middle.top()));
  for (const QRectF& button : {left, middle, right}) {
    const bool lit = look != Look::Normal;
    painter.fillPath(RoundedBox(button), lit ? kAccent : kRaised);
    painter.strokePath(RoundedBox(button.adjusted(0.5, 0.5, -0.5, -0.5)),
                       QPen(lit ? kAccentEdge : kEdge, 1));
  }
}

void PaintPage(QPainter& painter, bool chinese, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kPanel);
  // The recorder's panel on the right.
  FillRaisedBox(painter, QRectF(636, 12, 272, 430), kRaisedDisabled, kEdgeDisabled);
  for (const Control title : {Control::kGroupZone, Control::kEventZone}) {
    const QRectF rect = PlaceRect(title, chinese);
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 2, rect.width(), 2), kAccent);
  }
  PaintWell(painter, PlaceRect(Control::kMacroList, chinese).adjusted(-1, -1, 1, 1));
  PaintWell(painter, PlaceRect(Control::kEventList, chinese).adjusted(-1, -1, 1, 1));

  const QRectF group = PlaceRect(Control::kGroupButton, chinese);
  FillButtonBox(painter, group, look);
  painter.setPen(QPen(GlyphColour(look), kGlyphPen));
  const QPointF arrow(group.right() - 14, group.center().y());
  painter.drawPolyline(
      QPolygonF({arrow + QPointF(-4, -2), arrow + QPointF(0, 2), arrow + QPointF(4, -2)}));

  for (const Control button : {Control::kNewMacro, Control::kDeleteMacro, Control::kInsert,
                               Control::kDeleteEvent, Control::kModify}) {
    const QRectF rect = PlaceRect(button, chinese);
    FillButtonBox(painter, rect, look);
    PaintGlyph(painter, button, rect, look);
  }

  const QRectF record = PlaceRect(Control::kRecord, chinese);
  FillButtonBox(painter, record, look);
  painter.setPen(Qt::NoPen);
  painter.setBrush(look == Look::Down ? kText : kAccent);
  painter.drawEllipse(QPointF(record.left() + 12, record.center().y()), 4, 4);
  painter.setBrush(Qt::NoBrush);

  PaintMark(painter, PlaceRect(Control::kDelayToggle, chinese), false, look);
  PaintMark(painter, PlaceRect(Control::kKeyOption, chinese), true, look);
  PaintMark(painter, PlaceRect(Control::kDelayOption, chinese), true, look);
  for (const Control field : {Control::kLoopField, Control::kKeyField, Control::kDelayField}) {
    PaintWell(painter, PlaceRect(field, chinese).adjusted(-2, -2, 2, 2));
  }
  for (const Control ok : {Control::kKeyOk, Control::kDelayOk}) {
    FillButtonBox(painter, PlaceRect(ok, chinese), look);
  }
  PaintMouse(painter, chinese, look);
}

}  // namespace

void WriteMacroPageSkins(SkinWriter& writer) {
  for (const bool chinese : {false, true}) {
    const skin_files::BoxLooks& looks =
        chinese ? skin_files::kMacroPageChinese : skin_files::kMacroPageOther;
    for (const auto& [file, look] :
         {std::pair{looks.normal, Look::Normal}, std::pair{looks.hover, Look::Over},
          std::pair{looks.pressed, Look::Down}}) {
      writer.Write(
          file, kSize, SkinWriter::Surface::Opaque,
          [chinese, look = look](QPainter& painter, int) { PaintPage(painter, chinese, look); });
    }
  }
}

}  // namespace n63k::skins
