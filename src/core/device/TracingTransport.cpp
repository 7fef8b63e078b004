#include "core/device/TracingTransport.h"

#include "core/base/Hex.h"

namespace n63k {

std::string TraceLine(const TransferRecord& record, std::uint64_t startMs) {
  const char* kind = record.kind == TransferKind::kSetFeature   ? "SET"
                     : record.kind == TransferKind::kGetFeature ? "GET"
                                                                : "OUT";
  return std::to_string(record.atMs - startMs) + ' ' + kind + ' ' + HexBytes(record.frame);
}

void TracingTransport::Tell(std::uint64_t atMs, TransferKind kind,
                            std::span<const std::uint8_t> frame, bool accepted) {
  sink_(TransferRecord{atMs, kind, {frame.begin(), frame.end()}, accepted});
}

bool TracingTransport::SendFeatureReport(std::span<const std::uint8_t> frame) {
  const std::uint64_t at = clock_.NowMs();
  const bool accepted = inner_.SendFeatureReport(frame);
  Tell(at, TransferKind::kSetFeature, frame, accepted);
  return accepted;
}

bool TracingTransport::GetFeatureReport(std::span<std::uint8_t> frame) {
  const std::uint64_t at = clock_.NowMs();
  const bool accepted = inner_.GetFeatureReport(frame);
  Tell(at, TransferKind::kGetFeature, frame, accepted);
  return accepted;
}

WriteResult TracingTransport::WriteOutputReport(std::span<const std::uint8_t> frame) {
  const std::uint64_t at = clock_.NowMs();
  const WriteResult result = inner_.WriteOutputReport(frame);
  Tell(at, TransferKind::kOutput, frame, result != WriteResult::kFailed);
  return result;
}

}  // namespace n63k
