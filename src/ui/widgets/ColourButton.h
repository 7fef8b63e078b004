#pragma once

#include <QAbstractButton>
#include <QColor>

#include "core/pages/ButtonLooks.h"

namespace n63k::ui {

// A colour swatch of the lighting page: filled with its colour, with a
// one-pixel frame that tells selected, pressed, hovering or plain apart.
// clicked() is its command; pointer moves pass on to the parent.
class ColourButton : public QAbstractButton {
  Q_OBJECT

 public:
  ColourButton(const QRect& rect, QWidget* parent);

  void SetColour(QColor colour);
  QColor Colour() const { return colour_; }
  void SetSelected(bool on);
  bool Selected() const { return selected_; }
  // The plain frame, drawn when nothing stronger is shown.
  void SetFrame(bool on);

  SwatchFrame Frame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  QColor colour_{Qt::black};
  bool selected_ = false;
  bool frame_ = false;
  bool hovering_ = false;
  bool showFocus_ = false;
};

}  // namespace n63k::ui
