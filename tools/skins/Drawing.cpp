#include "skins/Drawing.h"

#include <QLinearGradient>
#include <algorithm>

#include "skins/Palette.h"

namespace n63k::skins {

namespace {
constexpr qreal kCornerRadius = 3;
constexpr float kRaisedLift = 0.05F;
constexpr qreal kCrossHalf = 5;
}  // namespace

QRectF ToRectF(const Rect& rect) {
  return QRectF(rect.left, rect.top, rect.Width(), rect.Height());
}

QPolygonF ToPolygon(const Quad& quad) {
  QPolygonF polygon;
  for (const Point& corner : quad.corners) {
    polygon << QPointF(corner.x, corner.y);
  }
  return polygon;
}

QRegion PixelsOf(const Quad& quad) {
  const Rect bounds = quad.Bounds();
  QRegion region;
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    int runStart = -1;
    for (int x = bounds.left; x <= bounds.right; ++x) {
      const bool inside = x < bounds.right && quad.Contains({x, y});
      if (inside && runStart < 0) {
        runStart = x;
      } else if (!inside && runStart >= 0) {
        region += QRect(runStart, y, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return region;
}

QColor Lifted(const QColor& colour, float amount) {
  const QColor hsl = colour.toHsl();
  return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(),
                          std::min(1.0F, hsl.lightnessF() + amount));
}

namespace {
QLinearGradient RaisedGradient(const QRectF& bounds, const QColor& fill) {
  QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
  gradient.setColorAt(0, Lifted(fill, kRaisedLift));
  gradient.setColorAt(1, fill);
  return gradient;
}
}  // namespace

void FillRaisedBox(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge) {
  painter.fillPath(RoundedBox(rect), RaisedGradient(rect, fill));
  painter.strokePath(RoundedBox(rect.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(edge, 1));
}

void FillButtonBox(QPainter& painter, const QRectF& rect, Look look) {
  switch (look) {
    case Look::Normal:
      FillRaisedBox(painter, rect, kRaised, kEdge);
      break;
    case Look::Over:
      FillRaisedBox(painter, rect, kRaisedOver, kEdgeOver);
      break;
    case Look::Down:
      FillRaisedBox(painter, rect, kAccent, kAccentEdge);
      break;
    case Look::Disabled:
      FillRaisedBox(painter, rect, kRaisedDisabled, kEdgeDisabled);
      break;
  }
}

void FillRaisedQuad(QPainter& painter, const Quad& quad, const QColor& fill, const QColor& edge) {
  QPainterPath shape;
  shape.addPolygon(ToPolygon(quad));
  shape.closeSubpath();
  painter.save();
  painter.setClipRegion(PixelsOf(quad));
  painter.fillPath(shape, RaisedGradient(shape.boundingRect(), fill));
  // Twice the width, half of it clipped away: a one-pixel edge inside.
  painter.strokePath(shape, QPen(edge, 2));
  painter.restore();
}

void PaintCloseGlyph(QPainter& painter, QPointF centre, const QColor& colour) {
  painter.setPen(QPen(colour, kGlyphPen, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre + QPointF(-kCrossHalf, -kCrossHalf),
                   centre + QPointF(kCrossHalf, kCrossHalf));
  painter.drawLine(centre + QPointF(-kCrossHalf, kCrossHalf),
                   centre + QPointF(kCrossHalf, -kCrossHalf));
}

QPainterPath RoundedBox(const QRectF& rect) {
  QPainterPath path;
  path.addRoundedRect(rect, kCornerRadius, kCornerRadius);
  return path;
}

}  // namespace n63k::skins
