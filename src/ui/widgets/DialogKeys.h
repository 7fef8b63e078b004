#pragma once

class QKeyEvent;

namespace n63k::ui {

// Enter, Escape and Space: the keys that would press a focused button or end
// a dialog, which the skinned windows keep to themselves.
bool IsDialogKey(const QKeyEvent& event);

}  // namespace n63k::ui
