#pragma once

#include <cstdint>

namespace n63k {

// How far the pointer went, for the statistics' distance: the sum of its
// horizontal and vertical movements since the previous call. Where the session
// lets a program read the pointer's position this is in screen pixels;
// elsewhere it is the mouse's own relative motion.
class PointerTravel {
 public:
  virtual ~PointerTravel() = default;
  virtual std::uint64_t TakeTravel() = 0;
};

}  // namespace n63k
