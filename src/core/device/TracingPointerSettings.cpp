#include "core/device/TracingPointerSettings.h"

namespace n63k {

std::string PointerTraceLine(std::uint64_t atMs, const PointerValues& values,
                             std::uint64_t startMs) {
  return std::to_string(atMs - startMs) + " POINTER precision " + std::to_string(values.precision) +
         " speed " + std::to_string(values.speed) + " lines " + std::to_string(values.scrollLines);
}

void TracingPointerSettings::Apply(const PointerValues& values) {
  const std::uint64_t at = clock_.NowMs();
  inner_.Apply(values);
  sink_(at, values);
}

}  // namespace n63k
