#pragma once

#include "core/base/Timers.h"

namespace n63k {

// Scroll values as the skinned scroll bar counts them: `maximum` is the last
// unit of the content, so the whole range is maximum - minimum + 1 and the
// page shows `page` units of it.
struct ScrollValues {
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int position = 0;
  friend bool operator==(const ScrollValues&, const ScrollValues&) = default;
};

// The parts of a bar along its length, numbered as the scroll codes they send.
enum class ScrollPart {
  kNone = -1,
  kFirstArrow = 0,
  kLastArrow = 1,
  kPageBefore = 2,
  kPageAfter = 3,
  kThumb = 5
};

// What a bar asks of the list it scrolls.
enum class ScrollCode {
  kLineBack = 0,
  kLineOn = 1,
  kPageBack = 2,
  kPageOn = 3,
  kThumbPosition = 4,
  kThumbTrack = 5
};

// The parts' extents along a bar, in pixels from its start.
struct ScrollLayout {
  int length = 0;
  int arrow = 0;        // each arrow's length
  int track = 0;        // the room between the arrows
  int thumbOffset = 0;  // from the track's start
  int thumb = 0;        // 0: no thumb

  ScrollPart PartAt(int along) const;
};

// Lays a bar of `length` pixels with arrows of `cell` pixels out for the
// values; `tracking` is the dragged thumb's position, or -1.
ScrollLayout LayOutScrollBar(int length, int cell, const ScrollValues& values, int tracking);

// The last position the page can scroll to.
int LastScrollPosition(const ScrollValues& values);

class ScrollBarObserver {
 public:
  virtual ~ScrollBarObserver() = default;
  // The bar asks its list to scroll; `position` counts for the thumb codes.
  virtual void Scroll(ScrollCode code, int position) = 0;
  // The bar's look changed.
  virtual void Repaint() = 0;
};

// A skinned scroll bar's behaviour: which part a press hits, the auto-repeat
// of arrows and track while the button is held (the first repeat after
// 500 ms, then every 100 ms), the thumb's drag, and the hovered part.
// Positions along the bar are pixels from its start.
class ScrollBarModel {
 public:
  explicit ScrollBarModel(Timers& timers) : timers_(timers) {}
  ScrollBarModel(const ScrollBarModel&) = delete;
  ScrollBarModel& operator=(const ScrollBarModel&) = delete;
  ~ScrollBarModel();

  void SetObserver(ScrollBarObserver* observer) { observer_ = observer; }
  void SetLength(int length, int cell);
  // The list's values; the bar follows them unless its thumb is dragged.
  void SetValues(const ScrollValues& values);

  void Press(int along);
  void MovePointer(int along);
  void Release();
  void Leave();

  ScrollLayout Layout() const;
  const ScrollValues& Values() const { return values_; }
  // A bar is usable only when its list has more than a page.
  bool Enabled() const { return values_.maximum >= values_.page; }
  ScrollPart PressedPart() const { return pressed_; }
  // The pressed part looks pressed only while the pointer stays on it.
  bool ShowsPressed(ScrollPart part) const { return part == pressed_ && !pointerLeft_; }
  ScrollPart HoveredPart() const { return hovered_; }
  bool Dragging() const { return dragging_; }
  int TrackingPosition() const { return tracking_; }

 private:
  void Send(ScrollCode code, int position);
  void Repeat();
  void StopTimers();
  void SetHovered(ScrollPart part);

  Timers& timers_;
  ScrollBarObserver* observer_ = nullptr;
  int length_ = 0;
  int cell_ = 0;
  ScrollValues values_;
  int tracking_ = -1;
  bool dragging_ = false;
  int dragPointer_ = 0;
  int dragStart_ = 0;
  ScrollPart pressed_ = ScrollPart::kNone;
  ScrollPart hovered_ = ScrollPart::kNone;
  bool pointerLeft_ = false;
  int pointer_ = 0;
  Timers::Id delay_ = 0;
  Timers::Id repeat_ = 0;
};

}  // namespace n63k
