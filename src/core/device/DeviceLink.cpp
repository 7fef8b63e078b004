#include "core/device/DeviceLink.h"

#include <algorithm>
#include <array>

namespace n63k {

void DeviceLink::Pause(std::uint32_t ms) {
  if (stop_ == nullptr) {
    clock_.SleepMs(ms);
  } else {
    clock_.SleepUnlessStopped(ms, *stop_);
  }
}

bool DeviceLink::SendFeature(std::span<const std::uint8_t> command) {
  const std::size_t length = transport_.ReportLength();
  if (Stopped() || command.size() > length) {
    return false;
  }
  std::vector<std::uint8_t> frame(length + 1, 0);
  frame[0] = transport_.ReportId();
  std::copy(command.begin(), command.end(), frame.begin() + 1);
  return transport_.SendFeatureReport(frame);
}

std::optional<std::vector<std::uint8_t>> DeviceLink::ReadFeature() {
  if (Stopped()) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> frame(transport_.ReportLength() + 1, 0);
  frame[0] = transport_.ReportId();
  if (!transport_.GetFeatureReport(frame)) {
    return std::nullopt;
  }
  return frame;
}

bool DeviceLink::WriteChunk(std::span<const std::uint8_t, kChunkBytes> chunk) {
  if (Stopped()) {
    return false;
  }
  std::array<std::uint8_t, kChunkBytes + 1> frame{};
  frame[0] = transport_.ReportId();
  std::copy(chunk.begin(), chunk.end(), frame.begin() + 1);
  const WriteResult result = transport_.WriteOutputReport(frame);
  Pause(kChunkPauseMs);
  switch (result) {
    case WriteResult::kDone:
      return true;
    case WriteResult::kPending:
      // A write the mouse has not finished in time is taken as done: the
      // next chunk follows, as the mouse expects.
      static_cast<void>(transport_.WaitPendingWrite(kPendingWriteLimitMs));
      return true;
    case WriteResult::kFailed:
      return false;
  }
  return false;
}

bool DeviceLink::WriteBlock(std::span<const std::uint8_t> data) {
  if (data.size() % kChunkBytes != 0) {
    return false;
  }
  for (std::size_t at = 0; at < data.size(); at += kChunkBytes) {
    Pause(kChunkPauseMs);
    if (!WriteChunk(data.subspan(at).first<kChunkBytes>())) {
      return false;
    }
  }
  return true;
}

}  // namespace n63k
