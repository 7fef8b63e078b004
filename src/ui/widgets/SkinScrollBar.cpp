#include "ui/widgets/SkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/SkinPicture.h"

namespace n63k::ui {
namespace {

constexpr int kColumns = 9;
constexpr int kRows = 3;
constexpr int kCornerColumn = 8;
// The thumb's ends are copied whole; only its middle is tiled.
constexpr int kThumbCap = 3;

enum Column { kFirstArrow = 0, kLastArrow = 1, kThumb = 2, kTrack = 3 };
// The horizontal bar's cells follow the vertical bar's.
constexpr int kHorizontalColumns = 4;

}  // namespace

SkinScrollBar::SkinScrollBar(Qt::Orientation orientation, QPixmap picture, QWidget* parent)
    : QScrollBar(orientation, parent), picture_(std::move(picture)) {
  const QSize size = LogicalSize(picture_);
  cell_ = size.width() / kColumns;
  rowHeight_ = size.height() / kRows;
  setMouseTracking(true);
  model_.SetObserver(this);
}

QSize SkinScrollBar::sizeHint() const {
  return orientation() == Qt::Vertical ? QSize(cell_, 2 * cell_) : QSize(2 * cell_, cell_);
}

int SkinScrollBar::Length() const {
  return orientation() == Qt::Vertical ? height() : width();
}

int SkinScrollBar::Along(const QPointF& point) const {
  return static_cast<int>(orientation() == Qt::Vertical ? point.y() : point.x());
}

void SkinScrollBar::resizeEvent(QResizeEvent* event) {
  QScrollBar::resizeEvent(event);
  model_.SetLength(Length(), cell_);
}

void SkinScrollBar::sliderChange(SliderChange change) {
  QScrollBar::sliderChange(change);
  // Qt's maximum is the last position; the model's is the last unit.
  model_.SetValues({minimum(), maximum() + pageStep() - 1, pageStep(), value()});
}

void SkinScrollBar::DrawCell(QPainter& painter, int column, int row, int along, int length,
                             int from, int size) const {
  if (length <= 0 || size <= 0) {
    return;
  }
  const int firstColumn = orientation() == Qt::Vertical ? 0 : kHorizontalColumns;
  const qreal ratio = picture_.devicePixelRatio();
  QRectF source((firstColumn + column) * cell_, row * rowHeight_, cell_, rowHeight_);
  QRectF target;
  if (orientation() == Qt::Vertical) {
    source = QRectF(source.left(), source.top() + from, source.width(), size);
    target = QRectF(0, along, width(), length);
  } else {
    source = QRectF(source.left() + from, source.top(), size, source.height());
    target = QRectF(along, 0, length, height());
  }
  painter.drawPixmap(target, picture_, QRectF(source.topLeft() * ratio, source.size() * ratio));
}

void SkinScrollBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  const ScrollLayout layout = model_.Layout();
  const auto arrowRow = [this](ScrollPart part) {
    if (model_.ShowsPressed(part)) {
      return 2;
    }
    return model_.HoveredPart() == part ? 1 : 0;
  };
  // The track's cell is tiled at its own length, so it keeps its look on any
  // bar length.
  const int cellAlong = orientation() == Qt::Vertical ? rowHeight_ : cell_;
  for (int at = 0; at < layout.track; at += cellAlong) {
    const int piece = std::min(cellAlong, layout.track - at);
    DrawCell(painter, kTrack, 0, layout.arrow + at, piece, 0, piece);
  }
  DrawCell(painter, kFirstArrow, arrowRow(ScrollPart::kFirstArrow), 0, layout.arrow, 0, cellAlong);
  DrawCell(painter, kLastArrow, arrowRow(ScrollPart::kLastArrow), layout.length - layout.arrow,
           layout.arrow, 0, cellAlong);
  if (layout.thumb > 0) {
    const int row = model_.Dragging() || model_.HoveredPart() == ScrollPart::kThumb ? 1 : 0;
    const int start = layout.arrow + layout.thumbOffset;
    const int cap = std::min(kThumbCap, layout.thumb / 2);
    DrawCell(painter, kThumb, row, start, cap, 0, cap);
    const int middle = cellAlong - 2 * kThumbCap;
    for (int at = cap; at < layout.thumb - cap && middle > 0; at += middle) {
      const int piece = std::min(middle, layout.thumb - cap - at);
      DrawCell(painter, kThumb, row, start + at, piece, kThumbCap, piece);
    }
    DrawCell(painter, kThumb, row, start + layout.thumb - cap, cap, cellAlong - cap, cap);
  }
}

void SkinScrollBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_.Press(Along(event->position()));
  }
  event->accept();
}

void SkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
  model_.MovePointer(Along(event->position()));
  event->accept();
}

void SkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_.Release();
  }
  event->accept();
}

void SkinScrollBar::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}

void SkinScrollBar::leaveEvent(QEvent* event) {
  model_.Leave();
  QScrollBar::leaveEvent(event);
}

void SkinScrollBar::Scroll(ScrollCode code, int position) {
  switch (code) {
    case ScrollCode::kLineBack:
      triggerAction(SliderSingleStepSub);
      break;
    case ScrollCode::kLineOn:
      triggerAction(SliderSingleStepAdd);
      break;
    case ScrollCode::kPageBack:
      triggerAction(SliderPageStepSub);
      break;
    case ScrollCode::kPageOn:
      triggerAction(SliderPageStepAdd);
      break;
    case ScrollCode::kThumbTrack:
    case ScrollCode::kThumbPosition:
      setValue(position);
      break;
  }
}

SkinScrollCorner::SkinScrollCorner(QPixmap picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {}

void SkinScrollCorner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSize size = LogicalSize(picture_);
  const int cell = size.width() / kColumns;
  const qreal ratio = picture_.devicePixelRatio();
  painter.drawPixmap(
      QRectF(rect()), picture_,
      QRectF(kCornerColumn * cell * ratio, 0, cell * ratio, size.height() / kRows * ratio));
}

void AttachSkinScroll(QAbstractScrollArea& area, const QPixmap& picture) {
  area.setVerticalScrollBar(new SkinScrollBar(Qt::Vertical, picture));
  area.setHorizontalScrollBar(new SkinScrollBar(Qt::Horizontal, picture));
  area.setCornerWidget(new SkinScrollCorner(picture));
}

}  // namespace n63k::ui
