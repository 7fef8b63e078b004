#include "ui/pages/WidgetPointer.h"

#include <QCursor>

namespace n63k::ui {

Point WidgetPointer::Position() const {
  const QWidget* page = page_.data();
  if (page == nullptr) {
    // Far off every page: lights nothing.
    return {-1000, -1000};
  }
  const QPoint at = page->mapFromGlobal(QCursor::pos());
  return {at.x(), at.y()};
}

bool WidgetPointer::WindowInFront() const {
  const QWidget* page = page_.data();
  return page != nullptr && page->isVisible() && page->window()->isActiveWindow();
}

}  // namespace n63k::ui
