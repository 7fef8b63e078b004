#include "core/device/TracedDevice.h"

namespace n63k {

TracedDevice::TracedDevice(HidTransport& transport, PointerSettings& pointer, const Clock& clock,
                           std::uint64_t startMs, TraceLineSink sink)
    : clock_(clock),
      startMs_(startMs),
      sink_(std::move(sink)),
      transport_(
          transport, clock,
          [this, startMs](const TransferRecord& record) { sink_(TraceLine(record, startMs)); }),
      pointer_(
          pointer, clock,
          [this, startMs](std::uint64_t atMs, const PointerValues& values) {
            sink_(PointerTraceLine(atMs, values, startMs));
          },
          [this, startMs](std::uint64_t atMs, const PointerReport& report) {
            for (const std::string& line : PointerReportLines(atMs, report, startMs)) {
              sink_(line);
            }
          }) {}

void TracedDevice::TraceRefusal(std::string_view command) {
  sink_(std::to_string(clock_.NowMs() - startMs_) + " REFUSED " + std::string(command));
}

}  // namespace n63k
