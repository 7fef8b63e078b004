#include "ui/widgets/RegionButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/PointerForwarding.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

constexpr int kTextPixels = 14;

// The pixels the shape covers, row by row, so that the window system routes
// the pointer by exactly the test the button itself uses.
QRegion ShapeRegion(const Quad& shape, const Rect& bounds) {
  QRegion region;
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    int runStart = -1;
    for (int x = bounds.left; x <= bounds.right; ++x) {
      const bool inside = x < bounds.right && shape.Contains({x, y});
      if (inside && runStart < 0) {
        runStart = x;
      } else if (!inside && runStart >= 0) {
        region += QRect(runStart - bounds.left, y - bounds.top, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return region;
}

QPolygonF LocalOutline(const Quad& shape, const Rect& bounds) {
  QPolygonF outline;
  for (const Point& p : shape.corners) {
    outline << QPointF(p.x - bounds.left, p.y - bounds.top);
  }
  return outline;
}

}  // namespace

RegionButton::RegionButton(const Quad& shape, QWidget* parent)
    : QAbstractButton(parent), shape_(shape), bounds_(shape.Bounds()) {
  setGeometry(bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height());
  setMask(ShapeRegion(shape_, bounds_));
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
}

void RegionButton::SetPictures(const RegionPictures& pictures) {
  pictures_ = {CutSkinPicture(pictures.normal, bounds_), CutSkinPicture(pictures.selected, bounds_),
               CutSkinPicture(pictures.hover, bounds_), CutSkinPicture(pictures.disabled, bounds_)};
  update();
}

void RegionButton::SetStickyLook(bool on) {
  stickyLook_ = on;
  update();
}

void RegionButton::SetSelected(bool on) {
  if (selected_ == on) {
    return;
  }
  selected_ = on;
  update();
}

void RegionButton::SetTextColours(QColor normal, QColor hover, QColor selected) {
  normalText_ = normal;
  hoverText_ = hover;
  selectedText_ = selected;
  update();
}

void RegionButton::SetText(const QString& text) {
  if (accessibleName().isEmpty() || accessibleName() == this->text()) {
    setAccessibleName(text);
  }
  setText(text);
}

ButtonLook RegionButton::Look() const {
  return ChooseRegionButtonLook({.enabled = isEnabled(),
                                 .hovering = hovering_,
                                 .held = isDown(),
                                 .stickyLook = stickyLook_,
                                 .selected = selected_});
}

bool RegionButton::Inside(const QPoint& pos) const {
  return shape_.Contains({pos.x() + bounds_.left, pos.y() + bounds_.top});
}

bool RegionButton::hitButton(const QPoint& pos) const {
  return Inside(pos);
}

void RegionButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ButtonLook look = Look();
  const QPixmap* picture = &pictures_.normal;
  QColor textColour = normalText_;
  switch (look) {
    case ButtonLook::kPressed:
      picture = &pictures_.selected;
      textColour = selectedText_;
      break;
    case ButtonLook::kHover:
      picture = &pictures_.hover;
      textColour = hoverText_;
      break;
    case ButtonLook::kDisabled:
      picture = &pictures_.disabled;
      textColour = QColor::fromRgb(kDisabledText);
      break;
    case ButtonLook::kNormal:
      break;
  }
  if (picture->isNull()) {
    picture = &pictures_.normal;
  }
  if (!picture->isNull()) {
    painter.drawPixmap(0, 0, *picture);
  }
  const QPolygonF outline = LocalOutline(shape_, bounds_);
  if (!text().isEmpty()) {
    // Centred on the middle of the shape, which for a slanted tab is not the
    // middle of its box.
    QPointF centre;
    for (const QPointF& p : outline) {
      centre += p / 4.0;
    }
    painter.setFont(DialogFont(kTextPixels));
    painter.setPen(textColour);
    const QRectF box(centre.x() - width(), centre.y() - height(), 2.0 * width(), 2.0 * height());
    // The room a caption has is the shape's width along its middle line.
    const QRectF room =
        outline.intersected(QPolygonF(QRectF(0.0, centre.y() - 0.5, width(), 1.0))).boundingRect();
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine,
                     FitCaption(painter, this, CaptionKind::kButton, text(),
                                QSize(static_cast<int>(room.width()), height()), false));
  }
  if (hasFocus() && showFocus_) {
    // Twice as wide as wanted: the half outside the shape is clipped away.
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, QPen(QColor::fromRgb(kAccent), 2));
  }
}

void RegionButton::SetHovering(bool on) {
  if (hovering_ != on) {
    hovering_ = on;
    repaint();
  }
}

void RegionButton::enterEvent(QEnterEvent* event) {
  SetHovering(isEnabled() && Inside(event->position().toPoint()));
  QAbstractButton::enterEvent(event);
}

void RegionButton::leaveEvent(QEvent* event) {
  SetHovering(false);
  QAbstractButton::leaveEvent(event);
}

void RegionButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Inside(event->position().toPoint())) {
    emit activated();
  }
  QAbstractButton::mousePressEvent(event);
}

void RegionButton::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void RegionButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (!event->isAutoRepeat() &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    emit activated();
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void RegionButton::mouseMoveEvent(QMouseEvent* event) {
  QAbstractButton::mouseMoveEvent(event);
  ForwardMoveToParent(*this, *event);
}

void RegionButton::focusInEvent(QFocusEvent* event) {
  // Coming back with the window keeps whatever the user had.
  if (event->reason() != Qt::ActiveWindowFocusReason) {
    showFocus_ = ShowsFocus(event->reason());
  }
  QAbstractButton::focusInEvent(event);
}

void RegionButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    SetHovering(isEnabled() && underMouse());
  }
  QAbstractButton::changeEvent(event);
}

}  // namespace n63k::ui
