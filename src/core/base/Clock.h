#pragma once

#include <atomic>
#include <cstdint>

#include "core/base/StopSignal.h"

namespace n63k {

// Every pause, tick count and time-out goes through a Clock, so the device
// protocol can run on a virtual clock in tests and each pause can be checked.
class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual std::uint64_t NowMs() const = 0;
  virtual void SleepMs(std::uint32_t ms) = 0;
  // A pause that a stop request cuts short.
  virtual void SleepUnlessStopped(std::uint32_t ms, const StopSignal& stop) {
    if (!stop.Requested()) {
      SleepMs(ms);
    }
  }
};

class SystemClock final : public Clock {
 public:
  std::uint64_t NowMs() const override;
  void SleepMs(std::uint32_t ms) override;
  void SleepUnlessStopped(std::uint32_t ms, const StopSignal& stop) override;
};

// Time moves only when someone sleeps; sleeping returns at once.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::uint64_t startMs = 0) : now_(startMs) {}
  std::uint64_t NowMs() const override { return now_.load(); }
  void SleepMs(std::uint32_t ms) override { now_ += ms; }
  void Advance(std::uint64_t ms) { now_ += ms; }

 private:
  std::atomic<std::uint64_t> now_;
};

}  // namespace n63k
