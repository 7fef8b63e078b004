#pragma once

#include <QPixmap>
#include <QWidget>

#include "core/base/Geometry.h"
#include "core/pages/SliderScale.h"

namespace n63k::ui {

// A horizontal progress bar: its background piece over its whole width and,
// from the left, as much of its fill piece as the value reaches. Unless
// locked, the pointer may drag it; letting go reports progressDragged.
class ProgressBar : public QWidget {
  Q_OBJECT

 public:
  // `rect` in the owner's pixels; range 0..10, value 0, draggable, unlocked.
  ProgressBar(const Rect& rect, int id, QWidget* owner);

  // The pieces under `rect` of the owner-sized background and fill pictures.
  void SetImages(const Rect& rect, const QPixmap& background, const QPixmap& fill);
  void SetRange(int minimum, int maximum);
  // A value outside the range sets the minimum; repaints at once.
  void SetPos(int value);
  int Pos() const { return value_; }
  void SetDraggable(bool on) { draggable_ = on; }
  void SetLocked(bool on) { locked_ = on; }

 signals:
  void progressDragged(int value, int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int ValueAt(const QMouseEvent& event) const;

  int id_;
  SliderRange range_;
  int value_ = 0;
  QPixmap background_;
  QPixmap fill_;
  bool dragging_ = false;
  bool draggable_ = true;
  bool locked_ = false;
};

}  // namespace n63k::ui
