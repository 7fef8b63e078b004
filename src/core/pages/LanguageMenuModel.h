#pragma once

#include <array>
#include <string_view>

#include "core/base/Geometry.h"
#include "core/i18n/Languages.h"

namespace n63k {

// What the language menu's window follows.
class LanguageMenuObserver {
 public:
  virtual ~LanguageMenuObserver() = default;
  // Another row is highlighted, or none: repaint.
  virtual void HighlightChanged() = 0;
  // The user chose language `number` (1-12); the menu has closed.
  virtual void LanguageChosen(int number) = 0;
  // The menu closes without a choice.
  virtual void CloseWithoutChoice() = 0;
};

// The popup list of the twelve languages under the main window's language
// button. A row is chosen only when the button is released inside the row it
// was pressed on; while the button is held the highlight stays where the
// press put it.
class LanguageMenuModel {
 public:
  struct Item {
    int number;  // the language number, also the command number
    std::string_view text;
    Rect rect;
  };
  static constexpr int kNoItem = -1;

  LanguageMenuModel();

  void SetObserver(LanguageMenuObserver* observer) { observer_ = observer; }

  // The pointer moved to `p` (window pixels), or left the window at `p`.
  void MovePointer(Point p);
  void PressButton(Point p);
  void ReleaseButton(Point p);
  // Keyboard: Up and Down move the highlight round the list, Enter chooses
  // the highlighted row, Escape closes.
  void PressUp();
  void PressDown();
  void PressEnter();
  void PressEscape();

  const std::array<Item, kLanguageCount>& Items() const { return items_; }
  // The highlighted row's index, or kNoItem.
  int Highlighted() const { return highlighted_; }
  bool ButtonDown() const { return buttonDown_; }

  // The menu's top-left corner on the screen, from the language button's
  // rectangle on the screen; kept on the work area.
  static Point Position(const Rect& languageButton, const Rect& workArea);

 private:
  // The highlight follows the pointer; whether it moved.
  bool TrackHover(Point p);
  void Highlight(int index);
  void Choose(int index);
  int ItemAt(Point p) const;

  std::array<Item, kLanguageCount> items_;
  LanguageMenuObserver* observer_ = nullptr;
  int highlighted_ = kNoItem;
  bool buttonDown_ = false;
  bool closed_ = false;
};

}  // namespace n63k
