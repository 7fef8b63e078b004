#include "core/pages/ProgressModel.h"

#include <algorithm>

#include "core/pages/WindowPlacement.h"

namespace n63k {

namespace {

constexpr int kFull = 100;
// How long the full bar stays on the screen.
constexpr std::uint32_t kCloseDelayMs = 500;

}  // namespace

ProgressModel::~ProgressModel() {
  timers_.Stop(closeTimer_);
}

void ProgressModel::Open() {
  timers_.Stop(closeTimer_);
  closeTimer_ = 0;
  open_ = true;
  percent_ = 0;
  if (observer_) {
    observer_->ProgressChanged();
  }
}

void ProgressModel::SetProgress(int percent) {
  if (!open_) {
    return;
  }
  percent_ = std::clamp(percent, 0, kFull);
  if (observer_) {
    observer_->ProgressChanged();
  }
  if (percent_ == kFull && closeTimer_ == 0) {
    // A timer and not a pause: the window keeps painting the full bar.
    closeTimer_ = timers_.Start(kCloseDelayMs, [this] { Close(); });
  }
}

void ProgressModel::WriteFailed() {
  Close();
}

void ProgressModel::Close() {
  timers_.Stop(closeTimer_);
  closeTimer_ = 0;
  if (!open_) {
    return;
  }
  open_ = false;
  if (observer_) {
    observer_->Closed();
  }
}

std::string_view ProgressModel::Text() const {
  return chineseUi_ ? "更新进行中，请稍候..." : "Updating is in progress, please wait…";
}

Point ProgressModel::Position(const Rect& workArea, int width, int height) {
  return KeptOn(workArea, CentredOn(workArea, width, height), width, height);
}

}  // namespace n63k
