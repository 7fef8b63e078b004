#include "core/pages/SliderScale.h"

#include <cstdint>

namespace n63k {
namespace {

// minimum + numerator * span / denominator in 64 bits, truncated as the
// windows' integer arithmetic does; an empty denominator gives the minimum.
int Scale(SliderRange range, std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) {
    return range.minimum;
  }
  const std::int64_t span = std::int64_t{range.maximum} - range.minimum;
  const std::int64_t value = range.minimum + numerator * span / denominator;
  if (value < range.minimum) {
    return range.minimum;
  }
  return value > range.maximum ? range.maximum : static_cast<int>(value);
}

struct RightEndRule {
  int minimum;
  int maximum;
  double threshold;
};
constexpr RightEndRule kRightEndRules[] = {{1, 5, 4.75}, {1, 10, 9.75}, {1, 3, 2.87}};

}  // namespace

int SliderRange::Clamp(int value) const {
  if (value < minimum) {
    return minimum;
  }
  return value > maximum ? maximum : value;
}

int SliderRange::Accept(int value) const {
  return value < minimum || value > maximum ? minimum : value;
}

int ThumbX(SliderRange range, int barWidth, int thumbWidth, int value) {
  const std::int64_t span = std::int64_t{range.maximum} - range.minimum;
  if (span <= 0 || barWidth <= thumbWidth) {
    return 0;
  }
  const std::int64_t offset = std::int64_t{range.Accept(value)} - range.minimum;
  return static_cast<int>((std::int64_t{barWidth} - thumbWidth) * offset / span);
}

int ValueAtThumbX(SliderRange range, int barWidth, int thumbWidth, int thumbX) {
  return Scale(range, thumbX, std::int64_t{barWidth} - thumbWidth);
}

int ValueForClick(SliderRange range, int trackLeft, int trackRight, int pointerX) {
  const std::int64_t width = std::int64_t{trackRight} - trackLeft;
  if (width <= 0) {
    return range.minimum;
  }
  const std::int64_t d = std::int64_t{pointerX} - trackLeft;
  for (const RightEndRule& rule : kRightEndRules) {
    if (range.minimum == rule.minimum && range.maximum == rule.maximum) {
      const double step =
          static_cast<double>(d) * (rule.maximum - rule.minimum) / static_cast<double>(width) + 1.0;
      if (step > rule.threshold) {
        return rule.maximum;
      }
    }
  }
  return Scale(range, d, width);
}

int DraggedThumbX(int thumbXAtPress, int pointerXAtPress, int pointerX, int barWidth,
                  int thumbWidth) {
  const std::int64_t x = std::int64_t{thumbXAtPress} + pointerX - pointerXAtPress;
  const std::int64_t last = std::int64_t{barWidth} - thumbWidth;
  if (x < 0 || last <= 0) {
    return 0;
  }
  return static_cast<int>(x > last ? last : x);
}

int ProgressFill(SliderRange range, int width, int value) {
  const std::int64_t span = std::int64_t{range.maximum} - range.minimum;
  if (span <= 0 || width <= 0) {
    return 0;
  }
  const std::int64_t offset = std::int64_t{range.Clamp(value)} - range.minimum;
  return static_cast<int>(std::int64_t{width} * offset / span);
}

int ProgressValueAt(SliderRange range, int left, int right, int x) {
  return Scale(range, std::int64_t{x} - left, std::int64_t{right} - left);
}

}  // namespace n63k
