#include "ui/widgets/ProgressBar.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/SkinPicture.h"

namespace n63k::ui {

ProgressBar::ProgressBar(const Rect& rect, int id, QWidget* owner) : QWidget(owner), id_(id) {
  setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

void ProgressBar::SetImages(const Rect& rect, const QPixmap& background, const QPixmap& fill) {
  background_ = CutSkinPicture(background, rect);
  fill_ = CutSkinPicture(fill, rect);
  repaint();
}

void ProgressBar::SetRange(int minimum, int maximum) {
  range_ = {minimum, maximum};
  value_ = range_.Accept(value_);
  repaint();
}

void ProgressBar::SetPos(int value) {
  value_ = range_.Accept(value);
  repaint();
}

int ProgressBar::ValueAt(const QMouseEvent& event) const {
  return ProgressValueAt(range_, 0, width(), qRound(event.position().x()));
}

void ProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  const int filled = ProgressFill(range_, width(), value_);
  if (!fill_.isNull() && filled > 0) {
    const qreal ratio = fill_.devicePixelRatio();
    painter.drawPixmap(QRectF(0, 0, filled, height()), fill_,
                       QRectF(0, 0, filled * ratio, height() * ratio));
  }
}

void ProgressBar::mousePressEvent(QMouseEvent* event) {
  // Taken even when no drag starts, so that the release comes back here.
  if (event->button() == Qt::LeftButton && draggable_ && !locked_) {
    dragging_ = true;
  }
}

void ProgressBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    value_ = ValueAt(*event);
    repaint();
  }
}

void ProgressBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || locked_) {
    return;
  }
  dragging_ = false;
  value_ = ValueAt(*event);
  repaint();
  emit progressDragged(value_, id_);
}

void ProgressBar::focusOutEvent(QFocusEvent* event) {
  dragging_ = false;
  QWidget::focusOutEvent(event);
}

}  // namespace n63k::ui
