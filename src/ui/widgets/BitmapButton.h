#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <cstdint>
#include <optional>

#include "core/base/Geometry.h"
#include "core/pages/ButtonLooks.h"

namespace n63k::ui {

// The pictures of a page, each the page's size; a button shows the piece under
// its own rectangle. Any of them may be null.
struct PagePictures {
  QPixmap normal;
  QPixmap hover;
  QPixmap pressed;
  QPixmap disabled;
  QPixmap secondNormal;
  QPixmap secondPressed;
};

// A push button, check box, radio button, tab, label or path field of a page:
// it shows the piece of the page's pictures that lies under it, with an
// optional caption centred over it. clicked() is its command; pointer moves
// that do not drag it pass on to the parent, which shows hints from them.
class BitmapButton : public QAbstractButton {
  Q_OBJECT

 public:
  BitmapButton(const Rect& rect, QWidget* parent);

  // Cuts this button's pictures out of the page's at `rect` (page pixels).
  void SetPictures(const Rect& rect, const PagePictures& page);

  // stateLook: the pressed picture shows exactly while the state is not 0.
  // clickToggles: a left press flips the state.
  void SetBehaviour(bool stateLook, bool clickToggles);
  void SetState(int state);
  int State() const { return state_; }
  void SetTag(std::uint32_t tag) { tag_ = tag; }
  std::uint32_t Tag() const { return tag_; }
  void SetHoverLook(bool on);
  // The second normal and pressed pictures instead of the first.
  void UseSecondPictures(bool normal, bool pressed);
  void SetTextColours(QColor normal, QColor hover, QColor pressed);
  // The caption; also the name screen readers say unless the page gave another.
  void SetText(const QString& text);
  void SetLargeText(bool on);
  // Lays the caption out in `rect` (button pixels) instead of the whole button.
  void SetTextRect(const Rect& rect);
  // pressReported(true) on a left press and (false) on its release.
  void SetPressReport(bool on) { pressReport_ = on; }

  ButtonLook Look() const;
  bool Hovering() const { return hovering_; }

 signals:
  void pressReported(bool pressed);
  void stateChanged(int state);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const QPixmap& PictureFor(ButtonLook look) const;
  QColor TextColourFor(ButtonLook look) const;
  void DrawCaption(QPainter& painter, const QRect& area);
  void SetHovering(bool on);

  PagePictures pictures_;
  int state_ = 0;
  std::uint32_t tag_ = 0;
  bool stateLook_ = false;
  bool clickToggles_ = false;
  bool hoverLook_ = true;
  bool hovering_ = false;
  bool showFocus_ = false;
  bool secondNormal_ = false;
  bool secondPressed_ = false;
  bool largeText_ = false;
  bool pressReport_ = false;
  std::optional<Rect> textRect_;
  QColor normalText_{0xbd, 0xbd, 0xc8};
  QColor hoverText_{Qt::white};
  QColor pressedText_{0x26, 0x1d, 0x05};
};

}  // namespace n63k::ui
