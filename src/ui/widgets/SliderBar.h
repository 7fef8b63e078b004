#pragma once

#include <QPixmap>
#include <QWidget>

#include "core/base/Geometry.h"
#include "core/pages/SliderScale.h"

namespace n63k::ui {

// The thumb of a slider: as large as its picture, sitting on the bar's bottom
// edge. Pixels of the picture's top-left colour are see-through: neither
// drawn nor taking the pointer. It reports drags to its bar.
class SliderThumb : public QWidget {
  Q_OBJECT

 public:
  SliderThumb(const QPixmap& picture, QWidget* bar);

 signals:
  void dragStarted(int pointerX);
  void dragMoved(int pointerX);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool dragging_ = false;
};

// A horizontal slider over a piece of its page's picture. A click on the
// track puts the thumb there; dragging the thumb moves it. Either reports
// valueChanged(value, id); a value set by the program reports nothing.
class SliderBar : public QWidget {
  Q_OBJECT

 public:
  // `rect` in the owner's pixels. The thumb starts at the minimum.
  SliderBar(const QPixmap& thumbPicture, const Rect& rect, int id, QWidget* owner);

  // The clickable track, in the owner's pixels; the bar's rectangle until set.
  void SetTrack(const Rect& track);
  void SetRange(int minimum, int maximum);
  // A value outside the range puts the thumb at the minimum.
  void SetPos(int value);
  int Pos() const { return value_; }
  int Id() const { return id_; }
  // The piece of `picture` (owner-sized) under `rect` becomes the background.
  void SetBackground(const Rect& rect, const QPixmap& picture);
  SliderThumb& Thumb() { return *thumb_; }

 signals:
  void valueChanged(int value, int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void PlaceThumb();
  void Report(int value);
  void StartDrag(int pointerX);
  void Drag(int pointerX);

  int id_;
  SliderRange range_;
  int value_ = 0;
  Rect track_;
  QPixmap background_;
  SliderThumb* thumb_;
  int thumbXAtPress_ = 0;
  int pointerXAtPress_ = 0;
  bool showFocus_ = false;
};

}  // namespace n63k::ui
