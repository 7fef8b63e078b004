#pragma once

#include <QtCore/QPoint>

class QMouseEvent;
class QWidget;

namespace n63k::ui {

// Moves a frameless window when the user grabs its background, as a caption
// would: through the window manager where it offers that, by hand otherwise.
class WindowDrag {
 public:
  explicit WindowDrag(QWidget& window) : window_(window) {}

  void Press(const QMouseEvent& event);
  // Whether the move belonged to a drag (and moved the window).
  bool Move(const QMouseEvent& event);
  void Release(const QMouseEvent& event);

 private:
  QWidget& window_;
  bool dragging_ = false;
  QPoint offset_;
};

}  // namespace n63k::ui
