#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/HidTransport.h"
#include "core/device/ProtocolValues.h"
#include "core/macro/MacroEncoder.h"

namespace n63k {

// The device end of the protocol, in-process: it takes the reports of the
// command set, keeps what the mouse would store, answers the firmware-version
// read, and fails on request, so that the program can be tried and tested
// without the mouse.
class SimulatedMouse final : public HidTransport {
 public:
  struct Settings {
    std::uint8_t reportId = 5;
    std::size_t reportLength = 32;
    std::uint32_t firmwareVersion = 17;
  };

  static constexpr int kMacroSlots = 7;

  // What the mouse holds; zero until something is written.
  struct Memory {
    std::array<std::uint32_t, 16> keyMatrix{};
    std::array<std::uint8_t, 16> dpiTable{};
    std::uint8_t dpiStages = 0;
    std::array<std::uint8_t, 3> colour{};  // red, green, blue
    std::array<std::uint8_t, 3> effect{};
    std::array<std::uint8_t, 32> colourBlock{};
    std::uint8_t proximity = 0;
    std::uint8_t reportRate = 0;
    std::array<std::optional<std::array<std::uint8_t, kMacroImageBytes>>, kMacroSlots> macros{};
  };

  SimulatedMouse(Clock& clock, Settings settings);
  explicit SimulatedMouse(Clock& clock) : SimulatedMouse(clock, Settings{}) {}

  // Fault injection. Reports sent to the mouse (feature reports set and output
  // reports) are counted from 1.
  void RefuseReport(int n) { refused_.push_back(n); }
  // The n-th report, when it is an output report, is left pending by the
  // system and completes `afterMs` later.
  void LeaveWritePending(int n, std::uint32_t afterMs) { pending_[n] = afterMs; }
  // The mouse is gone from the n-th report on: that report and every later
  // transfer and open fail.
  void UnplugAtReport(int n) { unplugAt_ = n; }
  void Unplug() { unplugged_ = true; }
  // The version reply carries this command byte instead of 0x80.
  void AnswerVersionWith(std::uint8_t command) { versionCommand_ = command; }

  const Memory& memory() const { return memory_; }
  // Safe to ask from another thread while a write runs.
  int ReportsSent() const { return reportsSent_.load(); }
  // What the mouse holds, one setting a line.
  void Print(std::ostream& out) const;

  bool Prepare() override { return true; }
  OpenResult Open() override;
  void Close() override { open_ = false; }
  std::string DevicePath() const override { return "simulated"; }
  std::uint8_t ReportId() const override { return settings_.reportId; }
  std::size_t ReportLength() const override { return settings_.reportLength; }
  bool SendFeatureReport(std::span<const std::uint8_t> frame) override;
  bool GetFeatureReport(std::span<std::uint8_t> frame) override;
  WriteResult WriteOutputReport(std::span<const std::uint8_t> frame) override;
  bool WaitPendingWrite(std::uint32_t limitMs) override;

 private:
  // Counts a report sent and says whether the mouse takes it.
  bool TakeReport();
  bool Present() const { return !unplugged_ && open_; }
  void StartBlock(Command command, std::uint8_t index, std::size_t reports);
  void FinishBlock();

  Clock& clock_;
  Settings settings_;
  Memory memory_;
  bool open_ = false;
  bool unplugged_ = false;
  std::atomic<int> reportsSent_{0};
  std::vector<int> refused_;
  std::map<int, std::uint32_t> pending_;
  std::optional<int> unplugAt_;
  std::uint8_t versionCommand_ = 0x80;
  bool versionAsked_ = false;
  std::optional<std::uint64_t> pendingDoneAtMs_;

  // The block that the last header announced, filled by output reports.
  Command blockCommand_ = Command::kKeyMatrix;
  std::uint8_t blockIndex_ = 0;
  std::size_t blockReports_ = 0;
  std::vector<std::uint8_t> block_;
};

}  // namespace n63k
