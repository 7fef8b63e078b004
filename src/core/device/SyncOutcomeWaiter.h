#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>

#include "core/device/SyncWorker.h"

namespace n63k {

// A listener for a caller that asks for one write and waits for its outcome
// (the command-line tool), ignoring the progress.
class SyncOutcomeWaiter final : public SyncListener {
 public:
  void OnSyncProgress(int) override {}
  void OnSyncDone() override { Finish(std::nullopt); }
  void OnSyncFailed(SyncFailure failure) override { Finish(failure); }

  // No value after success.
  std::optional<SyncFailure> Wait() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return done_; });
    return failure_;
  }

 private:
  void Finish(std::optional<SyncFailure> failure) {
    {
      const std::lock_guard lock(mutex_);
      failure_ = failure;
      done_ = true;
    }
    finished_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable finished_;
  std::optional<SyncFailure> failure_;
  bool done_ = false;
};

}  // namespace n63k
