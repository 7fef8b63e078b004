#include "core/device/TracedDevice.h"

namespace n63k {

TracedDevice::TracedDevice(HidTransport& transport, PointerSettings& pointer, const Clock& clock,
                           std::uint64_t startMs, TraceLineSink sink)
    : sink_(std::move(sink)),
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

}  // namespace n63k
