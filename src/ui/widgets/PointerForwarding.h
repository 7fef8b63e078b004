#pragma once

class QMouseEvent;
class QWidget;

namespace n63k::ui {

// Hands a pointer move over a skinned control on to its parent, in the
// parent's pixels: the windows show their hints from the moves they see, and
// Qt gives a move only to the widget under the pointer.
void ForwardMoveToParent(QWidget& control, const QMouseEvent& move);

}  // namespace n63k::ui
