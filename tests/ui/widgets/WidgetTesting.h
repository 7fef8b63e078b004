#pragma once

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Small pictures, pixel checks and pointer input shared by the widget tests.
namespace n63k::test {

// A picture of one colour, `ratio` times as large as its logical size.
inline QPixmap Plain(QSize logical, QColor colour, qreal ratio = 1.0) {
  QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(image);
}

// The widget's own drawing, one pixel per logical pixel.
inline QImage Shot(QWidget& widget) {
  QPixmap shot = widget.grab();
  return shot.toImage().scaled(widget.size()).convertToFormat(QImage::Format_RGB32);
}

inline QRgb At(QWidget& widget, QPoint p) {
  return Shot(widget).pixel(p) & 0xffffffu;
}

// The pointer as the window system reports it to the top-level window at
// `p` (its pixels), so Qt finds the widget under it as for a real pointer,
// shapes included.
inline void Press(QWidget& top, QPoint p) {
  QTest::mousePress(top.windowHandle(), Qt::LeftButton, {}, p);
}
inline void Release(QWidget& top, QPoint p) {
  QTest::mouseRelease(top.windowHandle(), Qt::LeftButton, {}, p);
}
inline void Click(QWidget& top, QPoint p) {
  QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, p);
}
inline void DoubleClick(QWidget& top, QPoint p) {
  QTest::mouseDClick(top.windowHandle(), Qt::LeftButton, {}, p);
}
inline void Move(QWidget& top, QPoint p) {
  QTest::mouseMove(top.windowHandle(), p);
}

// Shows `top` and makes it the active window, as the user's click would,
// with the pointer over the pixel (1, 1), which the tests keep free: the last
// test may have left it anywhere. (A move to (0, 0) would go to the middle.)
inline bool ShowActive(QWidget& top) {
  top.show();
  top.activateWindow();
  const bool active = QTest::qWaitForWindowActive(&top);
  Move(top, {1, 1});
  return active;
}

}  // namespace n63k::test
