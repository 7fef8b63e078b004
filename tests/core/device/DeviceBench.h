#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/DeviceLink.h"
#include "core/device/SimulatedMouse.h"
#include "core/device/TracingTransport.h"

namespace n63k::test {

// A simulated mouse on a virtual clock behind a tracing transport, so a test
// sees every report with the time it was sent.
class DeviceBench {
 public:
  explicit DeviceBench(SimulatedMouse::Settings settings = {})
      : settings_(settings),
        mouse(clock, settings),
        tracing(mouse, clock,
                [this](const TransferRecord& r) {
                  records.push_back(r);
                  lines.push_back(TraceLine(r, 0));
                }),
        link(tracing, clock) {
    mouse.Open();
  }

  // The trace lines of every report, and of whatever else a test adds.
  const std::vector<std::string>& Trace() const { return lines; }

  // The trace line of a feature report whose bytes after the report ID start
  // with `hex`, the rest zero.
  std::string Set(std::uint64_t at, const std::string& hex) const {
    return Line(at, "SET", hex, settings_.reportLength);
  }
  std::string Get(std::uint64_t at, const std::string& hex) const {
    return Line(at, "GET", hex, settings_.reportLength);
  }
  // An output report: the report ID and 32 bytes.
  std::string Out(std::uint64_t at, const std::string& hex) const {
    return Line(at, "OUT", hex, 32);
  }

  std::string Printed() const {
    std::ostringstream out;
    mouse.Print(out);
    return out.str();
  }

  VirtualClock clock;

 private:
  SimulatedMouse::Settings settings_;

 public:
  SimulatedMouse mouse;
  std::vector<TransferRecord> records;
  std::vector<std::string> lines;
  TracingTransport tracing;
  DeviceLink link;

 private:
  std::string Line(std::uint64_t at, const char* kind, const std::string& hex,
                   std::size_t length) const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = std::to_string(at) + ' ' + kind + ' ' + kDigits[settings_.reportId >> 4] +
                       kDigits[settings_.reportId & 0xF];
    std::size_t bytes = 0;
    if (!hex.empty()) {
      text += ' ' + hex;
      bytes = (hex.size() + 1) / 3;
    }
    for (; bytes < length; ++bytes) {
      text += " 00";
    }
    return text;
  }
};

}  // namespace n63k::test
