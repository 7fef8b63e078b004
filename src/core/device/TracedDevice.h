#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/Clock.h"
#include "core/device/HidTransport.h"
#include "core/device/PointerSettings.h"
#include "core/device/TracingPointerSettings.h"
#include "core/device/TracingTransport.h"

namespace n63k {

// Takes one finished trace line, without its line feed.
using TraceLineSink = std::function<void(const std::string& line)>;

// The mouse and the desktop's pointer settings with every transfer, every
// pointer change and what the desktop did with it written as trace lines,
// timed from `startMs`. The one chain that n63kctl's --trace and the window
// program's trace file share, so both write the same lines.
class TracedDevice {
 public:
  TracedDevice(HidTransport& transport, PointerSettings& pointer, const Clock& clock,
               std::uint64_t startMs, TraceLineSink sink);
  TracedDevice(const TracedDevice&) = delete;
  TracedDevice& operator=(const TracedDevice&) = delete;

  HidTransport& transport() { return transport_; }
  PointerSettings& pointer() { return pointer_; }
  // "T REFUSED COMMAND": the mouse refused `command` (SyncWorker::SetRefusalNotes).
  void TraceRefusal(std::string_view command);

 private:
  const Clock& clock_;
  std::uint64_t startMs_;
  TraceLineSink sink_;
  TracingTransport transport_;
  TracingPointerSettings pointer_;
};

}  // namespace n63k
