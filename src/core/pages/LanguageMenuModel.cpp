#include "core/pages/LanguageMenuModel.h"

#include "core/pages/LanguageMenuLayout.h"
#include "core/pages/WindowPlacement.h"

namespace n63k {

LanguageMenuModel::LanguageMenuModel() {
  for (int i = 0; i < kLanguageCount; ++i) {
    items_[static_cast<std::size_t>(i)] = {i + 1, kLanguages[static_cast<std::size_t>(i)].menuName,
                                           language_menu::ItemRect(i)};
  }
}

int LanguageMenuModel::ItemAt(Point p) const {
  for (int i = 0; i < kLanguageCount; ++i) {
    if (items_[static_cast<std::size_t>(i)].rect.Contains(p)) {
      return i;
    }
  }
  return kNoItem;
}

bool LanguageMenuModel::TrackHover(Point p) {
  if (highlighted_ != kNoItem && items_[static_cast<std::size_t>(highlighted_)].rect.Contains(p)) {
    return false;
  }
  const int before = highlighted_;
  Highlight(ItemAt(p));
  return highlighted_ != before;
}

void LanguageMenuModel::Highlight(int index) {
  if (index == highlighted_) {
    return;
  }
  highlighted_ = index;
  if (observer_) {
    observer_->HighlightChanged();
  }
}

void LanguageMenuModel::MovePointer(Point p) {
  if (!buttonDown_) {
    TrackHover(p);
  }
}

void LanguageMenuModel::PressButton(Point p) {
  // A press that no movement came before (a touch, a click at once) still
  // marks its row.
  TrackHover(p);
  buttonDown_ = true;
}

void LanguageMenuModel::ReleaseButton(Point p) {
  if (!buttonDown_) {
    return;
  }
  buttonDown_ = false;
  if (highlighted_ == kNoItem) {
    return;
  }
  if (items_[static_cast<std::size_t>(highlighted_)].rect.Contains(p)) {
    Choose(highlighted_);
  } else {
    Highlight(kNoItem);
  }
}

void LanguageMenuModel::PressUp() {
  Highlight(highlighted_ <= 0 ? kLanguageCount - 1 : highlighted_ - 1);
}

void LanguageMenuModel::PressDown() {
  Highlight(highlighted_ == kNoItem || highlighted_ == kLanguageCount - 1 ? 0 : highlighted_ + 1);
}

void LanguageMenuModel::PressEnter() {
  if (highlighted_ != kNoItem) {
    Choose(highlighted_);
  }
}

void LanguageMenuModel::PressEscape() {
  if (closed_) {
    return;
  }
  closed_ = true;
  if (observer_) {
    observer_->CloseWithoutChoice();
  }
}

void LanguageMenuModel::Choose(int index) {
  if (closed_) {
    return;
  }
  closed_ = true;
  if (observer_) {
    observer_->LanguageChosen(items_[static_cast<std::size_t>(index)].number);
  }
}

Point LanguageMenuModel::Position(const Rect& languageButton, const Rect& workArea) {
  using namespace language_menu;
  const Point wanted{languageButton.left - kLeftOfButton,
                     languageButton.bottom - kAboveButtonBottom};
  return KeptOn(workArea, wanted, kWidth, kHeight);
}

}  // namespace n63k
