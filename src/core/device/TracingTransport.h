#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/HidTransport.h"

namespace n63k {

enum class TransferKind { kSetFeature, kGetFeature, kOutput };

// One report as it was handed to the transport, or, for a read, as it came
// back; `atMs` is the clock when the transfer began.
struct TransferRecord {
  std::uint64_t atMs;
  TransferKind kind;
  std::vector<std::uint8_t> frame;
  bool accepted;
};

// "T KIND HEX": T whole milliseconds since `startMs`, KIND SET, GET or OUT,
// HEX the frame.
std::string TraceLine(const TransferRecord& record, std::uint64_t startMs);

// Passes every call on to another transport and tells a sink about each
// report, as it happens.
class TracingTransport final : public HidTransport {
 public:
  using Sink = std::function<void(const TransferRecord&)>;
  TracingTransport(HidTransport& inner, const Clock& clock, Sink sink)
      : inner_(inner), clock_(clock), sink_(std::move(sink)) {}

  bool Prepare() override { return inner_.Prepare(); }
  OpenResult Open() override { return inner_.Open(); }
  void Close() override { inner_.Close(); }
  std::string DevicePath() const override { return inner_.DevicePath(); }
  std::uint8_t ReportId() const override { return inner_.ReportId(); }
  std::size_t ReportLength() const override { return inner_.ReportLength(); }
  bool SendFeatureReport(std::span<const std::uint8_t> frame) override;
  bool GetFeatureReport(std::span<std::uint8_t> frame) override;
  WriteResult WriteOutputReport(std::span<const std::uint8_t> frame) override;
  bool WaitPendingWrite(std::uint32_t limitMs) override { return inner_.WaitPendingWrite(limitMs); }

 private:
  void Tell(std::uint64_t atMs, TransferKind kind, std::span<const std::uint8_t> frame,
            bool accepted);

  HidTransport& inner_;
  const Clock& clock_;
  Sink sink_;
};

}  // namespace n63k
