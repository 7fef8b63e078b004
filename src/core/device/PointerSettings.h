#pragma once

#include <cstdint>

#include "core/device/PointerReport.h"

namespace n63k {

// The three desktop pointer settings a profile carries, as stored.
struct PointerValues {
  std::int32_t precision;    // nonzero: pointer acceleration on
  std::int32_t speed;        // 1-20, 10 the desktop's default
  std::int32_t scrollLines;  // lines per wheel notch; -1 one screen
};

// Applies the pointer settings to the desktop. Each setting the desktop does
// not have, or refuses, is left as it is: these never fail a write.
class PointerSettings {
 public:
  virtual ~PointerSettings() = default;
  virtual void Apply(const PointerValues& values) = 0;
  // What the latest Apply did, read on the thread that applied; settings that
  // keep no account give an empty report.
  virtual PointerReport LastReport() const { return {}; }
};

}  // namespace n63k
