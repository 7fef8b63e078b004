// The message box, with and without Cancel: one background and the hover and
// pressed looks, which differ from it only under the buttons.
#include <QPainterPath>
#include <initializer_list>

#include "core/pages/InfoBoxLayout.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace info_box;

constexpr QSize kSize{kWidth, kHeight};
constexpr int kAccentLine = 2;
constexpr qreal kBadgeRadius = 18;

void PaintButton(QPainter& painter, const Rect& rect, Look look) {
  const QRectF face = ToRectF(rect).adjusted(1, 1, -1, -1);
  switch (look) {
    // White captions on the lighter accent would be too faint.
    case Look::Over:
      FillRaisedBox(painter, face, kAccent, kAccentEdge);
      break;
    case Look::Down:
      FillRaisedBox(painter, face, kAccentEdge, kAccentEdge);
      break;
    default:
      FillRaisedBox(painter, face, kCardButton, kCardEdge);
      break;
  }
}

void PaintClose(QPainter& painter, Look look) {
  const QRectF face = ToRectF(kClose).adjusted(1, 1, -1, -1);
  if (look != Look::Normal) {
    painter.fillPath(RoundedBox(face), look == Look::Over ? kAccent : kAccentEdge);
  }
  PaintCloseGlyph(painter, face.center(), look == Look::Normal ? kCardGlyph : QColor(Qt::white));
}

// A round "i" beside the message, centred in the margin left of the text.
void PaintBadge(QPainter& painter) {
  const QPointF centre(info_box::kText.left / 2.0,
                       (info_box::kText.top + info_box::kText.bottom) / 2.0);
  QPainterPath badge;
  badge.addEllipse(centre, kBadgeRadius, kBadgeRadius);
  painter.fillPath(badge, kAccent);
  painter.fillPath(RoundedBox(QRectF(centre.x() - 2, centre.y() - 4, 4, 14)), Qt::white);
  QPainterPath dot;
  dot.addEllipse(centre + QPointF(0, -9), 2.4, 2.4);
  painter.fillPath(dot, Qt::white);
}

void PaintBox(QPainter& painter, std::initializer_list<Rect> buttons, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kCard);
  const qreal titleBottom = kClose.bottom;
  painter.fillRect(QRectF(0, 0, kWidth, titleBottom), kCardTitle);
  painter.fillRect(QRectF(0, titleBottom, kWidth, kAccentLine), kAccent);
  PaintBadge(painter);
  for (const Rect& button : buttons) {
    PaintButton(painter, button, look);
  }
  PaintClose(painter, look);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

void WriteBox(SkinWriter& writer, const skin_files::BoxLooks& files,
              std::initializer_list<Rect> buttons) {
  for (const auto& [file, look] :
       {std::pair{files.normal, Look::Normal}, std::pair{files.hover, Look::Over},
        std::pair{files.pressed, Look::Down}}) {
    writer.Write(
        file, kSize, SkinWriter::Surface::Opaque,
        [buttons, look = look](QPainter& painter, int) { PaintBox(painter, buttons, look); });
  }
}

}  // namespace

void WriteInfoBoxSkins(SkinWriter& writer) {
  WriteBox(writer, skin_files::kInfoBoxOk, {kOkAlone});
  WriteBox(writer, skin_files::kInfoBoxCancel, {kOkWithCancel, kCancel});
}

}  // namespace n63k::skins
