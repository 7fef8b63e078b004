#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/base/Clock.h"
#include "core/device/PointerSettings.h"

namespace n63k {

// "T POINTER precision P speed S lines L", T whole milliseconds since
// `startMs`.
std::string PointerTraceLine(std::uint64_t atMs, const PointerValues& values,
                             std::uint64_t startMs);

// Passes the settings on and tells a sink when they were applied.
class TracingPointerSettings final : public PointerSettings {
 public:
  using Sink = std::function<void(std::uint64_t atMs, const PointerValues&)>;
  TracingPointerSettings(PointerSettings& inner, const Clock& clock, Sink sink)
      : inner_(inner), clock_(clock), sink_(std::move(sink)) {}

  void Apply(const PointerValues& values) override;

 private:
  PointerSettings& inner_;
  const Clock& clock_;
  Sink sink_;
};

}  // namespace n63k
