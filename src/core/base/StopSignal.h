#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace n63k {

// Asks a thread to stop and wakes it from its pauses at once.
class StopSignal {
 public:
  void Request();
  void Clear();
  bool Requested() const;
  // Waits up to `ms`; true when the stop was requested before or during it.
  bool WaitMs(std::uint32_t ms) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool requested_ = false;
};

}  // namespace n63k
