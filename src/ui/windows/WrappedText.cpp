#include "ui/windows/WrappedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace n63k::ui {

QStringList WrapText(const QString& text, const QFont& font, int width, int height) {
  const QFontMetrics metrics(font);
  const int maxLines = std::max(1, height / metrics.lineSpacing());
  QString flat = text;
  // The last line breaks only where words do; the text's own line breaks
  // still start new lines.
  QTextLayout layout(flat.replace(QLatin1Char('\n'), QChar::LineSeparator), font);
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (static_cast<int>(lines.size()) == maxLines - 1) {
      QString rest = flat.mid(line.textStart());
      rest.replace(QChar::LineSeparator, QLatin1Char(' '));
      lines << metrics.elidedText(rest.trimmed(), Qt::ElideRight, width);
      break;
    }
    lines << flat.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
  }
  layout.endLayout();
  return lines;
}

void DrawWrappedText(QPainter& painter, const QRect& rect, const QString& text) {
  const QStringList lines = WrapText(text, painter.font(), rect.width(), rect.height());
  const int lineHeight = painter.fontMetrics().lineSpacing();
  int top = rect.top() + (rect.height() - static_cast<int>(lines.size()) * lineHeight) / 2;
  for (const QString& line : lines) {
    painter.drawText(QRect(rect.left(), top, rect.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
    top += lineHeight;
  }
}

}  // namespace n63k::ui
