#include "ui/widgets/DialogKeys.h"

#include <QKeyEvent>

namespace n63k::ui {

bool IsDialogKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      return true;
    default:
      return false;
  }
}

}  // namespace n63k::ui
