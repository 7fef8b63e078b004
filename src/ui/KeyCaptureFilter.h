#pragma once

#include <QObject>
#include <QPointer>

#include "core/buttons/InputHooks.h"

class QWindow;

namespace n63k::ui {

// Hands our own windows' key events to the input hooks while a page captures
// keys, named as stored keys name them. Keys still reach the focused widget.
// On X11 the window that has the focus when the capture starts holds the
// keyboard until it ends, so that the desktop's own shortcuts (Alt+Tab, the
// Super key) are captured too. Nothing outside our windows is read.
class KeyCaptureFilter final : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the application and listens to `hooks`.
  explicit KeyCaptureFilter(InputHooks& hooks);
  ~KeyCaptureFilter() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CaptureChanged(bool pageCaptures);

  InputHooks& hooks_;
  QPointer<QWindow> grabbing_;
};

}  // namespace n63k::ui
