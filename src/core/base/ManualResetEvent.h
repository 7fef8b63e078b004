#pragma once

#include <condition_variable>
#include <mutex>

namespace n63k {

// An event that stays set until it is reset: every waiter passes while it is
// set.
class ManualResetEvent {
 public:
  void Set();
  void Reset();
  void Wait();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool set_ = false;
};

}  // namespace n63k
