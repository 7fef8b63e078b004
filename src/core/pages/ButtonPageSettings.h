#pragma once

#include <cstdint>
#include <span>

#include "core/store/ProfileRecord.h"

namespace n63k {

// The ranges of the button page's sliders and scroll-lines field.
inline constexpr int kMinPointerSpeed = 1;
inline constexpr int kMaxPointerSpeed = 20;
inline constexpr int kMinSensorHeight = 1;
inline constexpr int kMaxSensorHeight = 30;
inline constexpr int kMinScrollLines = 1;
inline constexpr int kMaxScrollLines = 30;
// `wheelScrollLines` for one screen per notch.
inline constexpr std::int32_t kScrollScreen = -1;

// Why the DPI boxes cannot end up with exactly the values asked for.
enum class DpiChoiceProblem {
  kNone,
  kNoValue,     // the page always keeps one box checked
  kTooMany,     // more than seven boxes
  kNotOffered,  // no box has this value
  kRepeated,    // the same box twice
};

struct DpiChoice {
  DpiChoiceProblem problem = DpiChoiceProblem::kNone;
  std::int32_t value = 0;  // the value at fault, for kNotOffered and kRepeated

  bool ok() const { return problem == DpiChoiceProblem::kNone; }
};

// The global settings of the button page on the current record, each changed
// as the page's control changes it. A value the control cannot take is
// refused and changes nothing.
class ButtonPageSettings {
 public:
  explicit ButtonPageSettings(ProfileRecord& record) : record_(record) {}

  // The DPI stages the boxes give when exactly `values` are checked, in any
  // order: ascending, then zeros.
  DpiChoice CheckDpiBoxes(std::span<const std::int32_t> values);
  bool MovePointerSpeedSlider(int speed);
  void SetPointerPrecision(bool on);
  bool MoveSensorHeightSlider(int height);
  // Reports per second: 125, 250, 500 or 1000.
  bool SelectReportRate(int reportsPerSecond);
  bool SetScrollLines(int lines);
  void SelectScrollScreen();

 private:
  ProfileRecord& record_;
};

// The report rate a stored report interval stands for; 0 for an interval the
// page offers no radio button for.
int ReportRateOf(std::int32_t pollingRate);

}  // namespace n63k
