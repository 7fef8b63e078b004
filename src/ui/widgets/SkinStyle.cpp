#include "ui/widgets/SkinStyle.h"

#include <QPainter>
#include <QRect>

namespace n63k::ui {

QFont DialogFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Normal);
  return font;
}

void DrawFocusFrame(QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setPen(QPen(QColor::fromRgb(kAccent), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

bool ShowsFocus(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

}  // namespace n63k::ui
