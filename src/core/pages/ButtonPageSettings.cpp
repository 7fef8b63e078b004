#include "core/pages/ButtonPageSettings.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/store/DpiValues.h"

namespace n63k {
namespace {

struct ReportRate {
  int reportsPerSecond;
  std::int32_t interval;  // as stored: milliseconds between reports
};

constexpr std::array<ReportRate, 4> kReportRates = {{{125, 8}, {250, 4}, {500, 2}, {1000, 1}}};

}  // namespace

DpiChoice ButtonPageSettings::CheckDpiBoxes(std::span<const std::int32_t> values) {
  if (values.empty()) {
    return {DpiChoiceProblem::kNoValue, 0};
  }
  std::array<bool, kDpiValues.size()> checked{};
  for (const std::int32_t value : values) {
    const auto* box = std::find(kDpiValues.begin(), kDpiValues.end(), value);
    if (box == kDpiValues.end()) {
      return {DpiChoiceProblem::kNotOffered, value};
    }
    bool& isChecked = checked[static_cast<std::size_t>(box - kDpiValues.begin())];
    if (isChecked) {
      return {DpiChoiceProblem::kRepeated, value};
    }
    isChecked = true;
  }
  if (values.size() > kDpiStageCount) {
    return {DpiChoiceProblem::kTooMany, 0};
  }
  std::fill(std::begin(record_.dpiLevels), std::end(record_.dpiLevels), 0);
  std::size_t stage = 0;
  for (std::size_t box = 0; box < kDpiValues.size(); ++box) {
    if (checked[box]) {
      record_.dpiLevels[stage++] = kDpiValues[box];
    }
  }
  return {};
}

bool ButtonPageSettings::MovePointerSpeedSlider(int speed) {
  if (speed < kMinPointerSpeed || speed > kMaxPointerSpeed) {
    return false;
  }
  record_.pointerSpeed = speed;
  return true;
}

void ButtonPageSettings::SetPointerPrecision(bool on) {
  record_.pointerPrecision = on ? 1 : 0;
}

bool ButtonPageSettings::MoveSensorHeightSlider(int height) {
  if (height < kMinSensorHeight || height > kMaxSensorHeight) {
    return false;
  }
  record_.sensorHeight = height;
  return true;
}

bool ButtonPageSettings::SelectReportRate(int reportsPerSecond) {
  const auto* rate = std::find_if(
      kReportRates.begin(), kReportRates.end(),
      [reportsPerSecond](const ReportRate& r) { return r.reportsPerSecond == reportsPerSecond; });
  if (rate == kReportRates.end()) {
    return false;
  }
  record_.pollingRate = rate->interval;
  return true;
}

bool ButtonPageSettings::SetScrollLines(int lines) {
  if (lines < kMinScrollLines || lines > kMaxScrollLines) {
    return false;
  }
  record_.wheelScrollLines = lines;
  return true;
}

void ButtonPageSettings::SelectScrollScreen() {
  record_.wheelScrollLines = kScrollScreen;
}

int ReportRateOf(std::int32_t pollingRate) {
  const auto* rate =
      std::find_if(kReportRates.begin(), kReportRates.end(),
                   [pollingRate](const ReportRate& r) { return r.interval == pollingRate; });
  return rate == kReportRates.end() ? 0 : rate->reportsPerSecond;
}

}  // namespace n63k
