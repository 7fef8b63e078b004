#include "ui/widgets/ColourButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/PointerForwarding.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

QRgb FrameColour(SwatchFrame frame) {
  switch (frame) {
    case SwatchFrame::kSelected:
      return 0xff393839;
    case SwatchFrame::kPressed:
      return 0xffd31814;
    case SwatchFrame::kHover:
      return 0xffe8be1c;
    case SwatchFrame::kPlain:
      return 0xff313439;
    case SwatchFrame::kNone:
      break;
  }
  return 0;
}

}  // namespace

ColourButton::ColourButton(const QRect& rect, QWidget* parent) : QAbstractButton(parent) {
  setGeometry(rect);
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
}

void ColourButton::SetColour(QColor colour) {
  colour_ = colour;
  // Screen readers say the colour; the page names the swatch.
  setAccessibleDescription(colour.name());
  update();
}

void ColourButton::SetSelected(bool on) {
  selected_ = on;
  update();
}

void ColourButton::SetFrame(bool on) {
  frame_ = on;
  update();
}

SwatchFrame ColourButton::Frame() const {
  return ChooseSwatchFrame(
      {.selected = selected_, .held = isDown(), .hovering = hovering_, .frame = frame_});
}

void ColourButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
  const SwatchFrame frame = Frame();
  if (frame != SwatchFrame::kNone) {
    painter.setPen(QColor::fromRgb(FrameColour(frame)));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (hasFocus() && showFocus_) {
    // Inside the state frame, which must stay readable.
    DrawFocusFrame(painter, rect().adjusted(1, 1, -1, -1));
  }
}

void ColourButton::enterEvent(QEnterEvent* event) {
  hovering_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void ColourButton::leaveEvent(QEvent* event) {
  hovering_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void ColourButton::mouseMoveEvent(QMouseEvent* event) {
  QAbstractButton::mouseMoveEvent(event);
  ForwardMoveToParent(*this, *event);
}

void ColourButton::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void ColourButton::focusInEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason) {
    showFocus_ = ShowsFocus(event->reason());
  }
  QAbstractButton::focusInEvent(event);
}

}  // namespace n63k::ui
