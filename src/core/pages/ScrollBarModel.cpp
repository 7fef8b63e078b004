#include "core/pages/ScrollBarModel.h"

#include <algorithm>

namespace n63k {
namespace {

constexpr std::uint32_t kRepeatDelayMs = 500;
constexpr std::uint32_t kRepeatMs = 100;
constexpr int kMinimumThumb = 6;
// A track this short or shorter has no thumb.
constexpr int kNoThumbTrack = 5;

}  // namespace

ScrollPart ScrollLayout::PartAt(int along) const {
  if (along < 0 || along >= length) {
    return ScrollPart::kNone;
  }
  if (along < arrow) {
    return ScrollPart::kFirstArrow;
  }
  if (along >= arrow + track) {
    return ScrollPart::kLastArrow;
  }
  if (thumb == 0) {
    return ScrollPart::kNone;
  }
  const int inTrack = along - arrow;
  if (inTrack < thumbOffset) {
    return ScrollPart::kPageBefore;
  }
  return inTrack < thumbOffset + thumb ? ScrollPart::kThumb : ScrollPart::kPageAfter;
}

int LastScrollPosition(const ScrollValues& values) {
  return std::max(values.minimum, values.maximum - values.page + 1);
}

ScrollLayout LayOutScrollBar(int length, int cell, const ScrollValues& values, int tracking) {
  ScrollLayout layout;
  layout.length = std::max(0, length);
  layout.arrow = layout.length - 2 * cell < 1 ? layout.length / 2 : cell;
  layout.track = std::max(0, layout.length - 2 * layout.arrow);
  const int range = values.maximum - values.minimum + 1;
  // A page as large as the content, or larger, leaves nothing to scroll to.
  if (layout.track <= kNoThumbTrack || range <= 0 || values.page >= range) {
    return layout;
  }
  const long long track = layout.track;
  layout.thumb = static_cast<int>(
      std::clamp<long long>(std::max(0, values.page) * track / range, kMinimumThumb, track));
  // At least 1: the page is smaller than the range.
  const long long divisor = values.maximum - values.minimum - values.page + 1;
  const long long position = (tracking >= 0 ? tracking : values.position) - values.minimum;
  const long long room = layout.track - layout.thumb;
  layout.thumbOffset = static_cast<int>(std::clamp<long long>(position * room / divisor, 0, room));
  return layout;
}

ScrollBarModel::~ScrollBarModel() {
  StopTimers();
}

void ScrollBarModel::SetLength(int length, int cell) {
  length_ = length;
  cell_ = cell;
  if (observer_ != nullptr) {
    observer_->Repaint();
  }
}

void ScrollBarModel::SetValues(const ScrollValues& values) {
  if (values == values_) {
    return;
  }
  values_ = values;
  if (observer_ != nullptr) {
    observer_->Repaint();
  }
}

ScrollLayout ScrollBarModel::Layout() const {
  return LayOutScrollBar(length_, cell_, values_, dragging_ ? tracking_ : -1);
}

void ScrollBarModel::Press(int along) {
  if (!Enabled()) {
    return;
  }
  pointer_ = along;
  pointerLeft_ = false;
  const ScrollPart part = Layout().PartAt(along);
  if (part == ScrollPart::kNone) {
    return;
  }
  if (part == ScrollPart::kThumb) {
    dragging_ = true;
    dragPointer_ = along;
    dragStart_ = values_.position;
    tracking_ = values_.position;
    return;
  }
  pressed_ = part;
  Send(static_cast<ScrollCode>(part), 0);
  StopTimers();
  delay_ = timers_.Start(kRepeatDelayMs, [this] {
    timers_.Stop(delay_);
    delay_ = 0;
    repeat_ = timers_.Start(kRepeatMs, [this] { Repeat(); });
  });
  if (observer_ != nullptr) {
    observer_->Repaint();
  }
}

void ScrollBarModel::Repeat() {
  if (pointerLeft_) {
    return;
  }
  // The track repeats until the thumb reaches the pointer, the arrows until
  // the list is at its end.
  if (pressed_ == ScrollPart::kFirstArrow && values_.position <= values_.minimum) {
    return;
  }
  if (pressed_ == ScrollPart::kLastArrow && values_.position >= LastScrollPosition(values_)) {
    return;
  }
  if ((pressed_ == ScrollPart::kPageBefore || pressed_ == ScrollPart::kPageAfter) &&
      Layout().PartAt(pointer_) != pressed_) {
    return;
  }
  Send(static_cast<ScrollCode>(pressed_), 0);
}

void ScrollBarModel::MovePointer(int along) {
  pointer_ = along;
  if (dragging_) {
    const ScrollLayout layout = Layout();
    const int room = layout.track - layout.thumb;
    if (room <= 0) {
      return;
    }
    const long long span = values_.maximum - values_.minimum - values_.page + 1;
    const int moved = static_cast<int>(dragStart_ + (along - dragPointer_) * span / room);
    const int position =
        std::clamp(moved, values_.minimum, std::max(values_.minimum, LastScrollPosition(values_)));
    if (position != tracking_) {
      tracking_ = position;
      Send(ScrollCode::kThumbTrack, position);
      if (observer_ != nullptr) {
        observer_->Repaint();
      }
    }
    return;
  }
  if (pressed_ != ScrollPart::kNone) {
    const bool left = Layout().PartAt(along) != pressed_;
    if (left != pointerLeft_) {
      pointerLeft_ = left;
      if (observer_ != nullptr) {
        observer_->Repaint();
      }
    }
    return;
  }
  SetHovered(Layout().PartAt(along));
}

void ScrollBarModel::Release() {
  if (dragging_) {
    dragging_ = false;
    const int position = tracking_;
    tracking_ = -1;
    Send(ScrollCode::kThumbPosition, position);
    SetHovered(Layout().PartAt(pointer_));
    if (observer_ != nullptr) {
      observer_->Repaint();
    }
    return;
  }
  StopTimers();
  if (pressed_ != ScrollPart::kNone) {
    pressed_ = ScrollPart::kNone;
    pointerLeft_ = false;
    if (observer_ != nullptr) {
      observer_->Repaint();
    }
  }
}

void ScrollBarModel::Leave() {
  if (!dragging_ && pressed_ == ScrollPart::kNone) {
    SetHovered(ScrollPart::kNone);
  }
}

void ScrollBarModel::SetHovered(ScrollPart part) {
  if (part == hovered_) {
    return;
  }
  hovered_ = part;
  if (observer_ != nullptr) {
    observer_->Repaint();
  }
}

void ScrollBarModel::Send(ScrollCode code, int position) {
  if (observer_ != nullptr) {
    observer_->Scroll(code, position);
  }
}

void ScrollBarModel::StopTimers() {
  timers_.Stop(delay_);
  timers_.Stop(repeat_);
  delay_ = 0;
  repeat_ = 0;
}

}  // namespace n63k
