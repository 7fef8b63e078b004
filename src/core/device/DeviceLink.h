#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/HidTransport.h"

namespace n63k {

// Pauses the mouse needs around its transfers.
inline constexpr std::uint32_t kChunkPauseMs = 50;
inline constexpr std::uint32_t kPendingWriteLimitMs = 1500;
inline constexpr std::size_t kChunkBytes = 32;

// The program's only path to the mouse: frames commands into reports of the
// mouse's feature value and writes blocks as 32-byte output reports, with the
// pauses the mouse needs. One instance; one transfer at a time. Once its stop
// signal is raised it sends nothing more and its pauses end at once, so a
// write can be abandoned between two reports.
class DeviceLink {
 public:
  DeviceLink(HidTransport& transport, Clock& clock) : transport_(transport), clock_(clock) {}

  // The signal that abandons transfers; none by default.
  void SetStopSignal(const StopSignal* stop) { stop_ = stop; }
  bool Stopped() const { return stop_ != nullptr && stop_->Requested(); }
  // A pause of the protocol.
  void Pause(std::uint32_t ms);

  bool Prepare() { return transport_.Prepare(); }
  OpenResult Open() { return transport_.Open(); }
  void Close() { transport_.Close(); }
  std::string DevicePath() const { return transport_.DevicePath(); }

  // Sends `command` as bytes 1 onwards of a feature report, the rest zero.
  // Refused without sending when the command does not fit the report.
  bool SendFeature(std::span<const std::uint8_t> command);
  // Reads a feature report; the frame, report ID first.
  std::optional<std::vector<std::uint8_t>> ReadFeature();
  // One 33-byte output report carrying `chunk`. False when the system refused
  // it; one left pending counts as done after at most kPendingWriteLimitMs.
  bool WriteChunk(std::span<const std::uint8_t, kChunkBytes> chunk);
  // `data` as 32-byte output reports, each with a pause before and after.
  // False, at the first failing report, or when the length is not a multiple
  // of 32.
  bool WriteBlock(std::span<const std::uint8_t> data);

  Clock& clock() { return clock_; }

 private:
  HidTransport& transport_;
  Clock& clock_;
  const StopSignal* stop_ = nullptr;
};

}  // namespace n63k
