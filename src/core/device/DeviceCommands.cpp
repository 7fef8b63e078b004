#include "core/device/DeviceCommands.h"

#include <bit>
#include <cstring>

#include "core/macro/MacroEncoder.h"

namespace n63k {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the key matrix goes out as little-endian words");

constexpr std::uint8_t kSet = 0x01;

// A header, 50 ms, one output report carrying `data` and zeros after it.
bool WriteSingleReportTable(CUSBDriver& link, std::span<const std::uint8_t> header,
                            std::span<const std::uint8_t> data) {
  if (!link.SendFeature(header)) {
    return false;
  }
  link.clock().SleepMs(kSingleReportPauseMs);
  std::array<std::uint8_t, kChunkBytes> chunk{};
  std::memcpy(chunk.data(), data.data(), data.size());
  return link.WriteChunk(chunk);
}

}  // namespace

std::optional<std::uint32_t> ReadFirmwareVersion(CUSBDriver& link) {
  constexpr std::uint8_t kVersion = 0x80;
  const std::uint8_t request[] = {kVersion};
  if (!link.SendFeature(request)) {
    return std::nullopt;
  }
  link.clock().SleepMs(kVersionReplyPauseMs);
  const auto reply = link.ReadFeature();
  if (!reply || reply->size() < 4 || (*reply)[1] != kVersion) {
    return std::nullopt;
  }
  return std::uint32_t{(*reply)[2]} * 10 + (*reply)[3];
}

bool SetPollingRate(CUSBDriver& link, std::int32_t code) {
  const bool known = code == 1 || code == 2 || code == 4 || code == 8;
  const std::uint8_t command[] = {0x01, static_cast<std::uint8_t>(known ? code : 2)};
  return link.SendFeature(command);
}

bool SetProximity(CUSBDriver& link, std::int32_t on, std::int32_t ledMode) {
  const std::uint8_t value = on == 1 && ledMode != 6 ? 0xA0 : 0xB0;
  const std::uint8_t command[] = {0x03, value};
  return link.SendFeature(command);
}

bool SetDpiStage(CUSBDriver& link, std::uint8_t value) {
  const std::uint8_t command[] = {0x0B, kSet, value};
  return link.SendFeature(command);
}

bool SetLedColour(CUSBDriver& link, std::uint32_t colour) {
  const auto byte = [colour](int i) { return static_cast<std::uint8_t>(colour >> (8 * i)); };
  const std::uint8_t command[] = {0x0C, kSet, byte(1), byte(0), byte(2)};
  return link.SendFeature(command);
}

bool SetLedEffect(CUSBDriver& link, LedEffect effect) {
  const std::uint8_t command[] = {0x0D, kSet, effect.a, effect.b, effect.c};
  return link.SendFeature(command);
}

bool WriteDpiTable(CUSBDriver& link, const DpiBlock& block) {
  const std::uint8_t header[] = {0x11, kSet, 0x07, 0x10, 0x00};
  return WriteSingleReportTable(link, header, block);
}

bool WriteLedColours(CUSBDriver& link, const ColourBlock& block) {
  const std::uint8_t header[] = {0x09, kSet, 0x00, 0x20, 0x00};
  return WriteSingleReportTable(link, header, block);
}

bool WriteKeyMatrix(CUSBDriver& link, const KeyMatrix& matrix) {
  static_assert(sizeof(KeyMatrix) == 64);
  const std::uint8_t header[] = {0x12, kSet, 0x00, 0x40, 0x00};
  if (!link.SendFeature(header)) {
    return false;
  }
  link.clock().SleepMs(kMultiReportPauseMs);
  std::array<std::uint8_t, sizeof(KeyMatrix)> block;
  std::memcpy(block.data(), matrix.data(), block.size());
  return link.WriteBlock(block);
}

MacroWrite WriteMacro(CUSBDriver& link, int slot, const MacroRecord& record) {
  constexpr int kLastSlot = 7;
  const MacroImage image = EncodeMacro(record);
  if (slot < 0 || slot > kLastSlot) {
    return {image.wordCount, false};
  }
  const std::uint8_t header[] = {0x13, kSet, static_cast<std::uint8_t>(slot), 0x00, 0x02};
  if (!link.SendFeature(header)) {
    return {image.wordCount, false};
  }
  link.clock().SleepMs(kMultiReportPauseMs);
  return {image.wordCount, link.WriteBlock(image.bytes)};
}

}  // namespace n63k
