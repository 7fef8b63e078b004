#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/PointerSettings.h"

namespace n63k {

// "T POINTER precision P speed S lines L", T whole milliseconds since
// `startMs`.
std::string PointerTraceLine(std::uint64_t atMs, const PointerValues& values,
                             std::uint64_t startMs);

// The lines that tell what a backend did, none for an empty report:
//   T POINTER backend NAME
//   T POINTER set SETTING TARGET = VALUE
//   T POINTER failed SETTING TARGET = VALUE: ERROR
//   T POINTER not-applied SETTING: REASON
// SETTING is precision, speed or lines; writes in the order made, then the
// values that reached nothing.
std::vector<std::string> PointerReportLines(std::uint64_t atMs, const PointerReport& report,
                                            std::uint64_t startMs);

// Passes the settings on and tells a sink when they were applied, and another
// what the backend did.
class TracingPointerSettings final : public PointerSettings {
 public:
  using Sink = std::function<void(std::uint64_t atMs, const PointerValues&)>;
  using ReportSink = std::function<void(std::uint64_t atMs, const PointerReport&)>;
  TracingPointerSettings(PointerSettings& inner, const Clock& clock, Sink sink,
                         ReportSink reportSink = {})
      : inner_(inner), clock_(clock), sink_(std::move(sink)), reportSink_(std::move(reportSink)) {}

  void Apply(const PointerValues& values) override;
  PointerReport LastReport() const override { return inner_.LastReport(); }

 private:
  PointerSettings& inner_;
  const Clock& clock_;
  Sink sink_;
  ReportSink reportSink_;
};

}  // namespace n63k
