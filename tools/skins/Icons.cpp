// The program's icon, a mouse seen from above, and the tray menu's icons.
#include <QPainterPath>
#include <QtMath>

#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

// In a square of side `s`: the body in the accent, the seam between the
// buttons and the palm cut out, and the wheel.
void PaintMouse(QPainter& painter, qreal s) {
  const QRectF body(s * 0.2, s * 0.04, s * 0.6, s * 0.92);
  QPainterPath outline;
  outline.addRoundedRect(body, s * 0.3, s * 0.34);
  painter.fillPath(outline, kAccent);

  const qreal seam = qMax(1.0, s / 18);
  const qreal buttonsBottom = s * 0.42;
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  painter.fillRect(QRectF(s / 2 - seam / 2, body.top(), seam, buttonsBottom - body.top()),
                   Qt::black);
  painter.fillRect(QRectF(body.left(), buttonsBottom - seam / 2, body.width(), seam), Qt::black);
  painter.restore();

  QPainterPath wheel;
  const qreal wheelWidth = qMax(2.0, s * 0.1);
  wheel.addRoundedRect(QRectF(s / 2 - wheelWidth / 2, s * 0.14, wheelWidth, s * 0.17),
                       wheelWidth / 2, wheelWidth / 2);
  painter.fillPath(wheel, kText);
}

void PaintGear(QPainter& painter, QSize size) {
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  const qreal outer = size.width() * 0.46;
  const qreal ring = size.width() * 0.33;
  const QColor colour = kEdge;
  QPainterPath gear;
  gear.addEllipse(c, ring, ring);
  for (int tooth = 0; tooth < 8; ++tooth) {
    QTransform turn;
    turn.translate(c.x(), c.y());
    turn.rotate(45.0 * tooth);
    QPainterPath piece;
    piece.addRect(QRectF(-size.width() * 0.09, -outer, size.width() * 0.18, outer));
    gear = gear.united(turn.map(piece));
  }
  QPainterPath hole;
  hole.addEllipse(c, size.width() * 0.14, size.width() * 0.14);
  painter.fillPath(gear.subtracted(hole), colour);
}

void PaintPower(QPainter& painter, QSize size) {
  const qreal s = size.width();
  const QPointF c(s / 2, s / 2 + s * 0.04);
  const qreal r = s * 0.34;
  painter.setPen(QPen(kAccent, s / 8, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  // The ring opens at the top, where the stroke stands; Qt counts degrees anticlockwise.
  painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120 * 16, 300 * 16);
  painter.drawLine(QPointF(s / 2, s * 0.08), QPointF(s / 2, s * 0.48));
}

}  // namespace

void WriteIcons(SkinWriter& writer) {
  for (const int side : skin_files::kIconSizes) {
    writer.Write(skin_files::IconFile(side), QSize(side, side), SkinWriter::Surface::SeeThrough,
                 [side](QPainter& painter, int) { PaintMouse(painter, side); });
  }
  const QSize menuIcon(skin_files::kMenuIconSize.width, skin_files::kMenuIconSize.height);
  writer.Write(skin_files::kMenuConfig, menuIcon, SkinWriter::Surface::SeeThrough,
               [menuIcon](QPainter& painter, int) { PaintGear(painter, menuIcon); });
  writer.Write(skin_files::kMenuExit, menuIcon, SkinWriter::Surface::SeeThrough,
               [menuIcon](QPainter& painter, int) { PaintPower(painter, menuIcon); });
}

}  // namespace n63k::skins
