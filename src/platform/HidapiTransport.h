#pragma once

#include <cstdint>
#include <string>

#include "core/device/HidTransport.h"

struct hid_device_;

namespace n63k {

// The mouse through hidapi's hidraw backend: the HID interface of 24AE:4110
// whose report descriptor carries the vendor feature value 0xFF01:0x22.
class HidapiTransport final : public HidTransport {
 public:
  HidapiTransport() = default;
  ~HidapiTransport() override;
  HidapiTransport(const HidapiTransport&) = delete;
  HidapiTransport& operator=(const HidapiTransport&) = delete;

  bool Prepare() override;
  OpenResult Open() override;
  void Close() override;
  std::string DevicePath() const override { return path_; }
  std::uint8_t ReportId() const override { return reportId_; }
  std::size_t ReportLength() const override { return reportLength_; }
  bool SendFeatureReport(std::span<const std::uint8_t> frame) override;
  bool GetFeatureReport(std::span<std::uint8_t> frame) override;
  WriteResult WriteOutputReport(std::span<const std::uint8_t> frame) override;
  // hid_write returns once the system has taken the report or failed, so no
  // write is ever left pending and there is nothing to wait for.
  bool WaitPendingWrite(std::uint32_t limitMs) override;

 private:
  bool prepared_ = false;
  hid_device_* device_ = nullptr;
  std::string path_;
  std::uint8_t reportId_ = 0;
  std::size_t reportLength_ = 0;
};

}  // namespace n63k
