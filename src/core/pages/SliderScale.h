#pragma once

namespace n63k {

// The value range of a slider or progress bar.
struct SliderRange {
  int minimum = 0;
  int maximum = 10;

  int Clamp(int value) const;
  // What a position set by the program becomes: a value outside the range
  // falls back to the minimum.
  int Accept(int value) const;
};

// Left edge of the thumb inside its bar for `value`; the thumb travels over
// the bar's width less its own.
int ThumbX(SliderRange range, int barWidth, int thumbWidth, int value);

// The value a thumb at `thumbX` stands for, clamped to the range.
int ValueAtThumbX(SliderRange range, int barWidth, int thumbWidth, int thumbX);

// The value a click at `pointerX` on the track from `trackLeft` to
// `trackRight` (all in the owner's pixels) gives, clamped. The three ranges
// of the lighting page give their maximum a little before the track's end, so
// the last step can be hit without aiming at the last pixel.
int ValueForClick(SliderRange range, int trackLeft, int trackRight, int pointerX);

// Where the thumb goes while it is dragged: moved with the pointer from where
// the press caught it, kept inside the bar. Measured from the press rather
// than from the last snapped place, so a slow drag still crosses a step.
int DraggedThumbX(int thumbXAtPress, int pointerXAtPress, int pointerX, int barWidth,
                  int thumbWidth);

// How many pixels of a progress bar `width` wide are filled at `value`.
int ProgressFill(SliderRange range, int width, int value);

// The value under `x` on a progress bar from `left` to `right`, clamped.
int ProgressValueAt(SliderRange range, int left, int right, int x);

}  // namespace n63k
