#pragma once

#include <atomic>
#include <cstdint>

#include "core/stats/PointerTravel.h"

namespace n63k::platform {

// The mouse's own relative motion, |dx| + |dy| in the sensor's counts, added
// up by the input reader and taken by the statistics.
class RelativeMotionTravel final : public PointerTravel {
 public:
  void Add(std::uint64_t counts) { counts_.fetch_add(counts, std::memory_order_relaxed); }
  std::uint64_t TakeTravel() override { return counts_.exchange(0, std::memory_order_relaxed); }

 private:
  std::atomic<std::uint64_t> counts_{0};
};

}  // namespace n63k::platform
