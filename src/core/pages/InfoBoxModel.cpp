#include "core/pages/InfoBoxModel.h"

#include <utility>

#include "core/pages/InfoBoxLayout.h"
#include "core/pages/WindowPlacement.h"

namespace n63k {

namespace {

constexpr int kCountDownSeconds = 5;
constexpr std::uint32_t kCountDownPeriodMs = 1000;
// The count-down box keeps this far from the work area's right edge.
constexpr int kCountDownRightGap = 10;

}  // namespace

InfoBoxModel::InfoBoxModel(std::string text, bool hasCancel, Mode mode, bool chineseUi,
                           Timers& timers)
    : text_(std::move(text)),
      hasCancel_(hasCancel),
      mode_(mode),
      chineseUi_(chineseUi),
      timers_(timers),
      okCaption_(chineseUi ? "确定" : "OK") {}

InfoBoxModel::~InfoBoxModel() {
  timers_.Stop(timer_);
}

void InfoBoxModel::Open() {
  if (mode_ != Mode::kCountDown || timer_ != 0 || answer_) {
    return;
  }
  remaining_ = kCountDownSeconds;
  SetCountDownCaption(remaining_);
  timer_ = timers_.Start(kCountDownPeriodMs, [this] { Tick(); });
}

// The caption shows the opening's 5 once more on the first tick, so the box
// closes on the sixth tick.
void InfoBoxModel::Tick() {
  if (remaining_ <= 0) {
    End(InfoAnswer::kCancel);
    return;
  }
  SetCountDownCaption(remaining_);
  --remaining_;
}

void InfoBoxModel::SetCountDownCaption(int seconds) {
  okCaption_ = (chineseUi_ ? "确定 (" : "OK (") + std::to_string(seconds) + "s)";
  if (observer_) {
    observer_->OkCaptionChanged();
  }
}

void InfoBoxModel::End(InfoAnswer answer) {
  if (answer_) {
    return;
  }
  timers_.Stop(timer_);
  timer_ = 0;
  answer_ = answer;
  if (observer_) {
    observer_->Ended(answer);
  }
}

std::string InfoBoxModel::Title() const {
  return chineseUi_ ? "提示" : "Tips";
}

std::string InfoBoxModel::CancelCaption() const {
  return chineseUi_ ? "取消" : "Cancel";
}

std::string InfoBoxModel::CloseName() const {
  return chineseUi_ ? "关闭" : "Close";
}

Rect InfoBoxModel::OkButton() const {
  return hasCancel_ ? info_box::kOkWithCancel : info_box::kOkAlone;
}

const skin_files::BoxLooks& InfoBoxModel::Looks() const {
  return hasCancel_ ? skin_files::kInfoBoxCancel : skin_files::kInfoBoxOk;
}

Point InfoBoxModel::Position(const Rect& workArea) const {
  using info_box::kHeight;
  using info_box::kWidth;
  const Point wanted =
      mode_ == Mode::kCountDown
          ? Point{workArea.right - kWidth - kCountDownRightGap, workArea.bottom - kHeight}
          : CentredOn(workArea, kWidth, kHeight);
  return KeptOn(workArea, wanted, kWidth, kHeight);
}

}  // namespace n63k
