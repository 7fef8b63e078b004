#include "ui/widgets/SliderBar.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

// The picture with its key colour (the top-left pixel's) made see-through.
QPixmap WithoutKeyColour(const QPixmap& picture) {
  if (picture.isNull()) {
    return picture;
  }
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (row[x] == key) {
        row[x] = 0;
      }
    }
  }
  return QPixmap::fromImage(std::move(image));
}

// The logical pixels that still show something, for the pointer.
QRegion VisiblePixels(const QPixmap& keyed) {
  QRegion region;
  const QImage image = keyed.toImage();
  const qreal ratio = keyed.devicePixelRatio();
  const QSize size = LogicalSize(keyed);
  for (int y = 0; y < size.height(); ++y) {
    int runStart = -1;
    for (int x = 0; x <= size.width(); ++x) {
      const bool shown =
          x < size.width() && qAlpha(image.pixel(int(x * ratio), int(y * ratio))) != 0;
      if (shown && runStart < 0) {
        runStart = x;
      } else if (!shown && runStart >= 0) {
        region += QRect(runStart, y, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return region;
}

QPoint OwnerPoint(const QWidget& widget, const QMouseEvent& event) {
  return widget.mapTo(widget.parentWidget(), event.position().toPoint());
}

}  // namespace

SliderThumb::SliderThumb(const QPixmap& picture, QWidget* bar)
    : QWidget(bar), picture_(WithoutKeyColour(picture)) {
  resize(LogicalSize(picture_));
  if (!picture_.isNull()) {
    setMask(VisiblePixels(picture_));
  }
}

void SliderThumb::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void SliderThumb::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  emit dragStarted(qRound(event->globalPosition().x()));
}

void SliderThumb::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    emit dragMoved(qRound(event->globalPosition().x()));
  }
}

void SliderThumb::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragging_ = false;
  }
}

SliderBar::SliderBar(const QPixmap& thumbPicture, const Rect& rect, int id, QWidget* owner)
    : QWidget(owner), id_(id), track_(rect), thumb_(new SliderThumb(thumbPicture, this)) {
  setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  setFocusPolicy(Qt::TabFocus);
  connect(thumb_, &SliderThumb::dragStarted, this, &SliderBar::StartDrag);
  connect(thumb_, &SliderThumb::dragMoved, this, &SliderBar::Drag);
  PlaceThumb();
}

void SliderBar::SetTrack(const Rect& track) {
  track_ = track;
}

void SliderBar::SetRange(int minimum, int maximum) {
  range_ = {minimum, maximum};
  value_ = range_.Accept(value_);
  PlaceThumb();
}

void SliderBar::SetPos(int value) {
  value_ = range_.Accept(value);
  PlaceThumb();
  update();
}

void SliderBar::SetBackground(const Rect& rect, const QPixmap& picture) {
  background_ = CutSkinPicture(picture, rect);
  update();
}

void SliderBar::PlaceThumb() {
  thumb_->move(ThumbX(range_, width(), thumb_->width(), value_), height() - thumb_->height());
}

void SliderBar::Report(int value) {
  value_ = value;
  PlaceThumb();
  emit valueChanged(value_, id_);
}

void SliderBar::StartDrag(int pointerX) {
  thumbXAtPress_ = thumb_->x();
  pointerXAtPress_ = pointerX;
}

void SliderBar::Drag(int pointerX) {
  if (!isEnabled()) {
    return;
  }
  const int x = DraggedThumbX(thumbXAtPress_, pointerXAtPress_, pointerX, width(), thumb_->width());
  const int value = ValueAtThumbX(range_, width(), thumb_->width(), x);
  if (value != value_) {
    Report(value);
  }
}

void SliderBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  if (hasFocus() && showFocus_) {
    DrawFocusFrame(painter, rect());
  }
}

void SliderBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(event);
    return;
  }
  Report(ValueForClick(range_, track_.left, track_.right, OwnerPoint(*this, *event).x()));
}

void SliderBar::keyPressEvent(QKeyEvent* event) {
  int value = value_;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      value = range_.Clamp(value_ - 1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      value = range_.Clamp(value_ + 1);
      break;
    case Qt::Key_Home:
      value = range_.minimum;
      break;
    case Qt::Key_End:
      value = range_.maximum;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  if (value != value_) {
    Report(value);
  }
}

void SliderBar::focusInEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason) {
    showFocus_ = ShowsFocus(event->reason());
  }
  QWidget::focusInEvent(event);
}

}  // namespace n63k::ui
