#pragma once

#include <cstdint>
#include <functional>
#include <thread>

#include "core/base/Clock.h"
#include "core/base/StopSignal.h"
#include "core/stats/PointerTravel.h"

namespace n63k {

// The statistics' own thread: every 500 ms it takes the pointer's travel and
// hands what is not zero to `report`, on the sampling thread (the caller
// queues it onto the window thread). Stop() wakes it from its pause at once.
class PointerSampler {
 public:
  static constexpr std::uint32_t kPeriodMs = 500;

  PointerSampler(PointerTravel& travel, Clock& clock,
                 std::function<void(std::uint64_t pixels)> report);
  ~PointerSampler();
  PointerSampler(const PointerSampler&) = delete;
  PointerSampler& operator=(const PointerSampler&) = delete;

  void Start();
  // Returns once the thread has ended; stopping twice does nothing.
  void Stop();

 private:
  void Run();

  PointerTravel& travel_;
  Clock& clock_;
  std::function<void(std::uint64_t)> report_;
  StopSignal stop_;
  std::thread thread_;
};

}  // namespace n63k
