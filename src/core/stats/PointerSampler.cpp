#include "core/stats/PointerSampler.h"

#include <utility>

namespace n63k {

PointerSampler::PointerSampler(PointerTravel& travel, Clock& clock,
                               std::function<void(std::uint64_t)> report)
    : travel_(travel), clock_(clock), report_(std::move(report)) {}

PointerSampler::~PointerSampler() {
  Stop();
}

void PointerSampler::Start() {
  if (thread_.joinable()) {
    return;
  }
  stop_.Clear();
  thread_ = std::thread([this] { Run(); });
}

void PointerSampler::Stop() {
  stop_.Request();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void PointerSampler::Run() {
  while (!stop_.Requested()) {
    const std::uint64_t pixels = travel_.TakeTravel();
    if (pixels != 0) {
      report_(pixels);
    }
    clock_.SleepUnlessStopped(kPeriodMs, stop_);
  }
}

}  // namespace n63k
