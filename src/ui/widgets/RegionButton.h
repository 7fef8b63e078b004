#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include "core/base/Geometry.h"
#include "core/pages/ButtonLooks.h"

namespace n63k::ui {

// The four looks of shaped buttons, each a whole picture of the parent's size.
struct RegionPictures {
  QPixmap normal;
  QPixmap selected;
  QPixmap hover;
  QPixmap disabled;
};

// A button of any four-cornered shape: the slanted tabs, profile buttons and
// Apply of the main window. Only its shape takes the pointer, so neighbours
// whose bounding boxes overlap never both react. activated() is its command:
// sent on the press (each press of a double click too), and on Space or Enter.
class RegionButton : public QAbstractButton {
  Q_OBJECT

 public:
  // `shape` in the parent's pixels; the button covers its bounding box.
  RegionButton(const Quad& shape, QWidget* parent);

  // Cuts the looks out of the parent-sized pictures under the button.
  void SetPictures(const RegionPictures& pictures);
  void SetStickyLook(bool on);
  void SetSelected(bool on);
  bool Selected() const { return selected_; }
  void SetTextColours(QColor normal, QColor hover, QColor selected);
  // The caption, drawn centred in the shape; also the name screen readers say
  // unless the page gave another.
  void SetText(const QString& text);

  const Quad& Shape() const { return shape_; }
  ButtonLook Look() const;
  bool Hovering() const { return hovering_; }

 signals:
  void activated();

 protected:
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool Inside(const QPoint& pos) const;
  void SetHovering(bool on);

  Quad shape_;
  Rect bounds_;
  RegionPictures pictures_;
  bool stickyLook_ = false;
  bool selected_ = false;
  bool hovering_ = false;
  bool showFocus_ = false;
  QColor normalText_{0xbd, 0xbd, 0xc8};
  QColor hoverText_{Qt::white};
  QColor selectedText_{0x26, 0x1d, 0x05};
};

}  // namespace n63k::ui
