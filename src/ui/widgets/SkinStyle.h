#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class QRect;

namespace n63k::ui {

// The dialog font of the windows at a pixel height: DejaVu Sans, with a CJK
// face for the characters it lacks. Always the regular face: lighter ones are
// hard to read at 14 pixels on the dark skins.
QFont DialogFont(int pixelSize);

// Captions too long for their place are set smaller down to this size, still
// easy to read, before they are cut.
inline constexpr int kSmallestTextPixels = 10;

// The one accent colour of the skins; keyboard focus is framed in it.
inline constexpr QRgb kAccent = 0xffe5533d;

// Captions of disabled controls: the skins' disabled grey, where a
// near-black would vanish on the dark pictures.
inline constexpr QRgb kDisabledText = 0xff6b7380;

// Keyboard focus: a one-pixel accent frame just inside `rect`.
void DrawFocusFrame(QPainter& painter, const QRect& rect);

// Whether focus that came this way is framed: by Tab or a shortcut, not by a
// click or the window being activated, which would frame a control the user
// never chose with the keyboard.
bool ShowsFocus(Qt::FocusReason reason);

}  // namespace n63k::ui
