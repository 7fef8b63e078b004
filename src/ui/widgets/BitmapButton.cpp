#include "ui/widgets/BitmapButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/PointerForwarding.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

constexpr int kTextPixels = 14;
constexpr int kLargeTextPixels = 20;

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

// The caption split at the space that makes its longer line shortest, when
// both lines fit `room` in `font`; empty otherwise.
QStringList TwoLines(const QString& text, const QFont& font, const QSize& room) {
  const QFontMetrics metrics(font);
  if (2 * metrics.lineSpacing() > room.height()) {
    return {};
  }
  QStringList best;
  int bestWidth = room.width() + 1;
  for (qsizetype at = text.indexOf(QLatin1Char(' ')); at > 0;
       at = text.indexOf(QLatin1Char(' '), at + 1)) {
    const QString first = text.left(at).trimmed();
    const QString second = text.mid(at + 1).trimmed();
    const int wider = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
    if (!first.isEmpty() && !second.isEmpty() && wider < bestWidth) {
      best = {first, second};
      bestWidth = wider;
    }
  }
  return best;
}

bool ActivatingKey(const QKeyEvent& event) {
  return !event.isAutoRepeat() && (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
                                   event.key() == Qt::Key_Enter);
}

}  // namespace

BitmapButton::BitmapButton(const Rect& rect, QWidget* parent) : QAbstractButton(parent) {
  setGeometry(ToQRect(rect));
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
}

void BitmapButton::SetPictures(const Rect& rect, const PagePictures& page) {
  pictures_ = {CutSkinPicture(page.normal, rect),       CutSkinPicture(page.hover, rect),
               CutSkinPicture(page.pressed, rect),      CutSkinPicture(page.disabled, rect),
               CutSkinPicture(page.secondNormal, rect), CutSkinPicture(page.secondPressed, rect)};
  update();
}

void BitmapButton::SetBehaviour(bool stateLook, bool clickToggles) {
  stateLook_ = stateLook;
  clickToggles_ = clickToggles;
  update();
}

void BitmapButton::SetState(int state) {
  if (state == state_) {
    return;
  }
  state_ = state;
  update();
  emit stateChanged(state_);
}

void BitmapButton::SetHoverLook(bool on) {
  hoverLook_ = on;
  update();
}

void BitmapButton::UseSecondPictures(bool normal, bool pressed) {
  secondNormal_ = normal;
  secondPressed_ = pressed;
  update();
}

void BitmapButton::SetTextColours(QColor normal, QColor hover, QColor pressed) {
  normalText_ = normal;
  hoverText_ = hover;
  pressedText_ = pressed;
  update();
}

void BitmapButton::SetText(const QString& text) {
  if (accessibleName().isEmpty() || accessibleName() == this->text()) {
    setAccessibleName(text);
  }
  setText(text);
}

void BitmapButton::SetLargeText(bool on) {
  largeText_ = on;
  update();
}

void BitmapButton::SetTextRect(const Rect& rect) {
  textRect_ = rect;
  update();
}

ButtonLook BitmapButton::Look() const {
  return ChooseBitmapButtonLook({.enabled = isEnabled(),
                                 .hovering = hovering_,
                                 .held = isDown(),
                                 .stateLook = stateLook_,
                                 .state = state_,
                                 .hoverLook = hoverLook_});
}

const QPixmap& BitmapButton::PictureFor(ButtonLook look) const {
  const QPixmap* picture = &pictures_.normal;
  switch (look) {
    case ButtonLook::kNormal:
      picture = secondNormal_ ? &pictures_.secondNormal : &pictures_.normal;
      break;
    case ButtonLook::kHover:
      picture = &pictures_.hover;
      break;
    case ButtonLook::kPressed:
      picture = secondPressed_ ? &pictures_.secondPressed : &pictures_.pressed;
      break;
    case ButtonLook::kDisabled:
      picture = &pictures_.disabled;
      break;
  }
  // A page without a picture for a look shows its normal one.
  return picture->isNull() ? pictures_.normal : *picture;
}

QColor BitmapButton::TextColourFor(ButtonLook look) const {
  switch (look) {
    case ButtonLook::kHover:
      return hoverText_;
    case ButtonLook::kPressed:
      return pressedText_;
    case ButtonLook::kDisabled:
      return QColor::fromRgb(kDisabledText);
    case ButtonLook::kNormal:
      break;
  }
  return normalText_;
}

void BitmapButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ButtonLook look = Look();
  const QPixmap& picture = PictureFor(look);
  if (!picture.isNull()) {
    painter.drawPixmap(0, 0, picture);
  }
  if (!text().isEmpty()) {
    painter.setPen(TextColourFor(look));
    QRect area =
        textRect_ ? ToQRect(*textRect_).adjusted(5, 0, -5, 0) : rect().adjusted(8, 0, -5, 0);
    if (look == ButtonLook::kPressed) {
      area.translate(1, 1);
    }
    DrawCaption(painter, area);
  }
  if (hasFocus() && showFocus_) {
    DrawFocusFrame(painter, rect());
  }
}

void BitmapButton::DrawCaption(QPainter& painter, const QRect& area) {
  // A caption longer than its button is set smaller, down to a size still
  // easy to read, then on two lines where the button is tall enough, before
  // it is cut.
  const int largest = largeText_ ? kLargeTextPixels : kTextPixels;
  int pixels = largest;
  painter.setFont(DialogFont(pixels));
  while (pixels > kSmallestTextPixels &&
         painter.fontMetrics().horizontalAdvance(text()) > area.width()) {
    painter.setFont(DialogFont(--pixels));
  }
  if (painter.fontMetrics().horizontalAdvance(text()) > area.width()) {
    for (int twoLinePixels = largest; twoLinePixels >= kSmallestTextPixels; --twoLinePixels) {
      const QStringList lines = TwoLines(text(), DialogFont(twoLinePixels), area.size());
      if (!lines.isEmpty()) {
        painter.setFont(DialogFont(twoLinePixels));
        const int lineHeight = painter.fontMetrics().lineSpacing();
        const QRect both(area.left(), area.center().y() + 1 - lineHeight, area.width(),
                         2 * lineHeight);
        painter.drawText(both, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
        return;
      }
    }
  }
  const QString shown = FitCaption(painter, this, CaptionKind::kButton, text(), area.size());
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

void BitmapButton::SetHovering(bool on) {
  if (hovering_ != on) {
    hovering_ = on;
    update();
  }
}

void BitmapButton::enterEvent(QEnterEvent* event) {
  SetHovering(isEnabled());
  QAbstractButton::enterEvent(event);
}

void BitmapButton::leaveEvent(QEvent* event) {
  SetHovering(false);
  QAbstractButton::leaveEvent(event);
}

void BitmapButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (!window()->isActiveWindow()) {
      window()->activateWindow();
    }
    if (clickToggles_) {
      SetState(state_ == 0 ? 1 : 0);
    }
    if (pressReport_) {
      emit pressReported(true);
    }
  }
  QAbstractButton::mousePressEvent(event);
}

void BitmapButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressReport_) {
    emit pressReported(false);
  }
  QAbstractButton::mouseReleaseEvent(event);
}

void BitmapButton::keyPressEvent(QKeyEvent* event) {
  if (ActivatingKey(*event) && clickToggles_) {
    SetState(state_ == 0 ? 1 : 0);
  }
  if (ActivatingKey(*event) && event->key() != Qt::Key_Space) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void BitmapButton::mouseMoveEvent(QMouseEvent* event) {
  QAbstractButton::mouseMoveEvent(event);
  ForwardMoveToParent(*this, *event);
}

void BitmapButton::focusInEvent(QFocusEvent* event) {
  // Coming back with the window keeps whatever the user had.
  if (event->reason() != Qt::ActiveWindowFocusReason) {
    showFocus_ = ShowsFocus(event->reason());
  }
  QAbstractButton::focusInEvent(event);
}

void BitmapButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    SetHovering(isEnabled() && underMouse());
  }
  QAbstractButton::changeEvent(event);
}

}  // namespace n63k::ui
