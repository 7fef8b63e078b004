#include "core/pages/ButtonPageModel.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/base/Utf.h"

namespace n63k {

using namespace button_page;

ButtonPageModel::ButtonPageModel(ProfileRecord& record, FunctionAssignment& assignment,
                                 const Localisation& localisation, Timers& timers,
                                 const PagePointer& pointer, std::function<void(int hint)> showHint)
    : record_(record),
      settings_(record),
      assignment_(assignment),
      localisation_(localisation),
      timers_(timers),
      pointer_(pointer),
      showHint_(std::move(showHint)) {
  markerTimer_ = timers_.Start(kMarkerTimerMs, [this] { TickMarkers(); });
  linesTimer_ = timers_.Start(kScrollLinesTimerMs, [this] {
    if (linesSelected_) {
      ApplyScrollLinesText();
    }
  });
}

ButtonPageModel::~ButtonPageModel() {
  timers_.Stop(markerTimer_);
  timers_.Stop(linesTimer_);
}

void ButtonPageModel::Notify(ButtonPagePart part) {
  if (observer_ != nullptr) {
    observer_->Changed(part);
  }
}

void ButtonPageModel::RefreshButtonPage() {
  dpiChecked_.fill(false);
  for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
    for (std::size_t box = 0; box < kDpiValues.size(); ++box) {
      if (kDpiValues[box] == record_.dpiLevels[stage]) {
        dpiChecked_[box] = true;
      }
    }
  }
  selectedRate_ = ReportRateOf(record_.pollingRate);
  if (record_.wheelScrollLines == kScrollScreen) {
    linesSelected_ = false;
    SetLinesNumber(1);
  } else {
    linesSelected_ = true;
    SetLinesNumber(record_.wheelScrollLines);
  }
  ShowTabs();
  Notify(ButtonPagePart::kDpi);
  Notify(ButtonPagePart::kPointer);
  Notify(ButtonPagePart::kReportRate);
  Notify(ButtonPagePart::kWheel);
  Notify(ButtonPagePart::kLinesText);
  Notify(ButtonPagePart::kTabs);
}

void ButtonPageModel::SetLinesNumber(int number) {
  linesNumber_ = std::clamp(number, kMinScrollLines, kMaxScrollLines);
  linesText_ = std::to_string(linesNumber_);
}

void ButtonPageModel::ApplyScrollLinesText() {
  SetLinesNumber(ScrollLinesFromText(linesText_));
  settings_.SetScrollLines(linesNumber_);
  Notify(ButtonPagePart::kLinesText);
}

void ButtonPageModel::ReapplyCaptions() {
  Notify(ButtonPagePart::kLanguage);
}

void ButtonPageModel::ClickDpiBox(std::size_t box) {
  if (box >= dpiChecked_.size()) {
    return;
  }
  const auto checked =
      static_cast<std::size_t>(std::count(dpiChecked_.begin(), dpiChecked_.end(), true));
  bool& clicked = dpiChecked_[box];
  if (clicked) {
    // The last stage stays: the mouse needs at least one.
    if (checked > 1) {
      clicked = false;
    }
  } else if (checked < kDpiStageCount) {
    clicked = true;
  }
  // Even a click that changed no box rewrites the stages, dropping any value
  // no box offers.
  std::vector<std::int32_t> values;
  for (std::size_t i = 0; i < kDpiValues.size(); ++i) {
    if (dpiChecked_[i]) {
      values.push_back(kDpiValues[i]);
    }
  }
  static_cast<void>(settings_.CheckDpiBoxes(values));
  Notify(ButtonPagePart::kDpi);
}

void ButtonPageModel::ClickPrecisionBox() {
  settings_.SetPointerPrecision(!PrecisionChecked());
  Notify(ButtonPagePart::kPointer);
}

void ButtonPageModel::MoveSlider(int id, int position) {
  if (id == kSpeedSliderId) {
    settings_.MovePointerSpeedSlider(position);
  } else if (id == kSensorSliderId) {
    settings_.MoveSensorHeightSlider(position);
  } else {
    return;
  }
  Notify(ButtonPagePart::kPointer);
}

void ButtonPageModel::ClickReportRate(std::size_t radio) {
  if (radio >= kReportRates.size()) {
    return;
  }
  selectedRate_ = kReportRates[radio];
  settings_.SelectReportRate(selectedRate_);
  Notify(ButtonPagePart::kReportRate);
}

void ButtonPageModel::ClickLinesRadio() {
  linesSelected_ = true;
  settings_.SetScrollLines(linesNumber_);
  Notify(ButtonPagePart::kWheel);
}

void ButtonPageModel::ClickScreenRadio() {
  linesSelected_ = false;
  settings_.SelectScrollScreen();
  Notify(ButtonPagePart::kWheel);
}

void ButtonPageModel::ClickPlus() {
  if (!linesSelected_) {
    return;
  }
  SetLinesNumber(linesNumber_ + 1);
  settings_.SetScrollLines(linesNumber_);
  Notify(ButtonPagePart::kLinesText);
}

void ButtonPageModel::ClickMinus() {
  if (!linesSelected_) {
    return;
  }
  SetLinesNumber(linesNumber_ - 1);
  settings_.SetScrollLines(linesNumber_);
  Notify(ButtonPagePart::kLinesText);
}

void ButtonPageModel::EditLinesText(std::string text) {
  linesText_ = std::move(text);
}

void ButtonPageModel::ClickTab(int slot) {
  if (slot < 0 || slot >= kButtonCount) {
    return;
  }
  currentSlot_ = slot;
  assignment_.NormaliseCaption(slot);
  Notify(ButtonPagePart::kTabs);
  if (observer_ != nullptr) {
    observer_->OpenChooser(slot);
  }
}

void ButtonPageModel::ChooserAccepted(const ChooserResult& result) {
  static_cast<void>(assignment_.AssignFunction(result));
  ChooserCancelled();
}

void ButtonPageModel::ChooserCancelled() {
  currentSlot_ = -1;
  ShowTabs();
  Notify(ButtonPagePart::kTabs);
}

void ButtonPageModel::ShowTabs() {
  for (std::size_t slot = 0; slot < tabSelected_.size(); ++slot) {
    tabSelected_[slot] = record_.buttons[slot].functionCode != kButtonSlots[slot].defaultCode;
  }
}

std::string ButtonPageModel::TabCaption(int slot) const {
  return CaptionInLanguage(FixedText(record_.buttons[static_cast<std::size_t>(slot)].caption),
                           localisation_.chineseUi);
}

const WheelControls& ButtonPageModel::Wheel() const {
  return ChineseLayout() ? kWheelChinese : kWheelOther;
}

std::string_view ButtonPageModel::StepButtonName(bool plus) const {
  if (localisation_.chineseUi) {
    return plus ? "增加行数" : "减少行数";
  }
  return plus ? "More lines" : "Fewer lines";
}

void ButtonPageModel::MouseMove(Point point) {
  const auto hintIfInside = [&](const Rect& rect, int hint) {
    if (rect.Grown(1).Contains(point)) {
      showHint_(hint);
    }
  };
  for (const Rect& box : kDpiBoxes) {
    hintIfInside(box, kDpiHint);
  }
  hintIfInside(kSpeedSlider, kSpeedHint);
  hintIfInside(kPrecisionBox, kPrecisionHint);
  hintIfInside(kSensorSlider, kSensorHint);
  for (const Rect& radio : kReportRateRadios) {
    hintIfInside(radio, kReportRateHint);
  }
  hintIfInside(Wheel().linesRadio, kLinesHint);
  hintIfInside(Wheel().screenRadio, kScreenHint);
  for (const Quad& tab : kTabs) {
    hintIfInside(tab.Bounds(), kTabHint);
  }
  for (const Heading& heading : kHeadings) {
    hintIfInside(heading.rect, heading.hint);
  }
}

void ButtonPageModel::TickMarkers() {
  const Point at = pointer_.Position();
  const bool front = pointer_.WindowInFront();
  bool changed = false;
  for (std::size_t slot = 0; slot < kTabs.size(); ++slot) {
    const Rect box = kTabs[slot].Bounds();
    const Rect zone{box.left + kMarkerZoneInset, box.top, box.right - kMarkerZoneInset, box.bottom};
    const bool inside = zone.Contains(at);
    // Another window in front keeps a marker as it was.
    if (inside && !front) {
      continue;
    }
    changed = changed || markerLit_[slot] != inside;
    markerLit_[slot] = inside;
  }
  if (changed) {
    Notify(ButtonPagePart::kMarkers);
  }
}

int ScrollLinesFromText(std::string_view text) {
  while (!text.empty() && text.front() == '0') {
    text.remove_prefix(1);
  }
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      break;
    }
    number = std::min(number * 10 + (c - '0'), kMaxScrollLines);
  }
  // A text with no number in it would store 0 lines, which no desktop takes.
  return number == 0 ? kMinScrollLines : number;
}

}  // namespace n63k
