#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace n63k {

enum class OpenResult {
  kOpened,
  kNotFound,      // no interface of the mouse carries its vendor feature value
  kNoPermission,  // the mouse is there, but this user may not open it
};

// How the system took an output report.
enum class WriteResult { kDone, kPending, kFailed };

// The path to the mouse: finding and opening it, and the three kinds of report
// the command set is built on. Every frame starts with the report ID.
class HidTransport {
 public:
  virtual ~HidTransport() = default;

  // Readies the system library; false when it cannot be used at all.
  virtual bool Prepare() = 0;
  // Closes what is open, then finds the mouse and opens it.
  virtual OpenResult Open() = 0;
  // Safe when nothing is open.
  virtual void Close() = 0;
  // The device node last opened or refused, for messages.
  virtual std::string DevicePath() const = 0;

  // Of the mouse's vendor feature value; valid while open.
  virtual std::uint8_t ReportId() const = 0;
  virtual std::size_t ReportLength() const = 0;

  // True when the mouse took the feature report.
  virtual bool SendFeatureReport(std::span<const std::uint8_t> frame) = 0;
  // `frame[0]` holds the report ID; on true the frame holds the reply.
  virtual bool GetFeatureReport(std::span<std::uint8_t> frame) = 0;
  virtual WriteResult WriteOutputReport(std::span<const std::uint8_t> frame) = 0;
  // After kPending: waits at most `limitMs` for that write; true when it
  // completed.
  virtual bool WaitPendingWrite(std::uint32_t limitMs) = 0;
};

}  // namespace n63k
