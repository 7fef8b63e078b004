#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QRegion>

#include "core/base/Geometry.h"

namespace n63k::skins {

// The four looks a control takes in the pictures.
enum class Look { Normal, Over, Down, Disabled };

QRectF ToRectF(const Rect& rect);
QPolygonF ToPolygon(const Quad& quad);

// Exactly the pixels whose centres the quad's hit test takes, so a shape
// painted through it ends where the button's mask and hit area end.
QRegion PixelsOf(const Quad& quad);

// The same colour with its HSL lightness raised by `amount` (0..1).
QColor Lifted(const QColor& colour, float amount);

// Raised controls are filled lighter at the top than at the bottom, with a
// one-pixel edge inside their outline.
void FillRaisedBox(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge);
void FillRaisedQuad(QPainter& painter, const Quad& quad, const QColor& fill, const QColor& edge);
// A push button in one of its looks: raised, lighter under the pointer, the
// accent while pressed, dimmed when disabled.
void FillButtonBox(QPainter& painter, const QRectF& rect, Look look);

// The pen width of the window buttons' glyphs.
inline constexpr qreal kGlyphPen = 1.6;

// The cross of a close button, centred on `centre`.
void PaintCloseGlyph(QPainter& painter, QPointF centre, const QColor& colour);

// A rounded rectangle of the house radius.
QPainterPath RoundedBox(const QRectF& rect);

}  // namespace n63k::skins
