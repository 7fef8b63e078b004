#include "core/device/TracingPointerSettings.h"

#include <algorithm>

namespace n63k {
namespace {

// Texts from the desktop may hold line breaks; a trace entry is one line.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

std::string PointerTraceLine(std::uint64_t atMs, const PointerValues& values,
                             std::uint64_t startMs) {
  return std::to_string(atMs - startMs) + " POINTER precision " + std::to_string(values.precision) +
         " speed " + std::to_string(values.speed) + " lines " + std::to_string(values.scrollLines);
}

std::vector<std::string> PointerReportLines(std::uint64_t atMs, const PointerReport& report,
                                            std::uint64_t startMs) {
  std::vector<std::string> lines;
  if (report.backend.empty()) {
    return lines;
  }
  const std::string prefix = std::to_string(atMs - startMs) + " POINTER ";
  lines.push_back(prefix + "backend " + report.backend);
  for (const PointerReport::Write& write : report.writes) {
    std::string line = prefix + (write.error.empty() ? "set " : "failed ") +
                       std::string(PointerSettingName(write.setting)) + ' ' +
                       OneLine(write.target) + " = " + OneLine(write.value);
    if (!write.error.empty()) {
      line += ": " + OneLine(write.error);
    }
    lines.push_back(std::move(line));
  }
  for (const PointerReport::Shortfall& missed : report.notApplied) {
    lines.push_back(prefix + "not-applied " + std::string(PointerSettingName(missed.setting)) +
                    ": " + OneLine(missed.reason));
  }
  return lines;
}

void TracingPointerSettings::Apply(const PointerValues& values) {
  const std::uint64_t at = clock_.NowMs();
  inner_.Apply(values);
  sink_(at, values);
  if (reportSink_) {
    reportSink_(at, inner_.LastReport());
  }
}

}  // namespace n63k
