#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QPainter;
class QRect;

namespace n63k::ui {

// The lines that `text` takes, word-wrapped to `width` pixels in `font`: as
// many as fit in `height` (at least one), the last cut with an ellipsis when
// the text goes on.
QStringList WrapText(const QString& text, const QFont& font, int width, int height);

// Draws `text` wrapped as WrapText gives it, left-aligned, the block of lines
// centred vertically in `rect`, in the painter's font and pen.
void DrawWrappedText(QPainter& painter, const QRect& rect, const QString& text);

}  // namespace n63k::ui
