#include "ui/widgets/PointerForwarding.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace n63k::ui {

void ForwardMoveToParent(QWidget& control, const QMouseEvent& move) {
  QWidget* parent = control.parentWidget();
  if (parent == nullptr) {
    return;
  }
  QMouseEvent forwarded(QEvent::MouseMove, control.mapToParent(move.position()),
                        move.scenePosition(), move.globalPosition(), Qt::NoButton, move.buttons(),
                        move.modifiers(), move.pointingDevice());
  QCoreApplication::sendEvent(parent, &forwarded);
}

}  // namespace n63k::ui
