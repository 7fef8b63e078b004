#include "ui/widgets/WindowDrag.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QWidget>

namespace n63k::ui {

void WindowDrag::Press(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) {
    return;
  }
  QWindow* handle = window_.windowHandle();
  if (handle != nullptr && handle->startSystemMove()) {
    return;
  }
  dragging_ = true;
  offset_ = event.globalPosition().toPoint() - window_.frameGeometry().topLeft();
}

bool WindowDrag::Move(const QMouseEvent& event) {
  if (!dragging_ || (event.buttons() & Qt::LeftButton) == 0) {
    return false;
  }
  window_.move(event.globalPosition().toPoint() - offset_);
  return true;
}

void WindowDrag::Release(const QMouseEvent& event) {
  if (event.button() == Qt::LeftButton) {
    dragging_ = false;
  }
}

}  // namespace n63k::ui
