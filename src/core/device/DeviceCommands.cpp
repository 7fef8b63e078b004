#include "core/device/DeviceCommands.h"

#include <bit>
#include <cstring>

#include "core/macro/MacroEncoder.h"

namespace n63k {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the key matrix goes out as little-endian words");

// A header, 50 ms, one output report carrying `data` and zeros after it.
bool WriteSingleReportTable(DeviceLink& link, std::span<const std::uint8_t> header,
                            std::span<const std::uint8_t> data) {
  if (!link.SendFeature(header)) {
    return false;
  }
  link.Pause(kSingleReportPauseMs);
  std::array<std::uint8_t, kChunkBytes> chunk{};
  std::memcpy(chunk.data(), data.data(), data.size());
  return link.WriteChunk(chunk);
}

}  // namespace

std::optional<std::uint32_t> ReadFirmwareVersion(DeviceLink& link) {
  constexpr std::uint8_t kVersion = CommandByte(Command::kFirmwareVersion);
  const std::uint8_t request[] = {kVersion};
  if (!link.SendFeature(request)) {
    return std::nullopt;
  }
  link.Pause(kVersionReplyPauseMs);
  const auto reply = link.ReadFeature();
  if (!reply || reply->size() < 4 || (*reply)[1] != kVersion) {
    return std::nullopt;
  }
  return std::uint32_t{(*reply)[2]} * 10 + (*reply)[3];
}

bool SetPollingRate(DeviceLink& link, std::int32_t code) {
  const bool known = code == 1 || code == 2 || code == 4 || code == 8;
  const std::uint8_t command[] = {CommandByte(Command::kPollingRate),
                                  static_cast<std::uint8_t>(known ? code : 2)};
  return link.SendFeature(command);
}

bool SetProximity(DeviceLink& link, std::uint8_t value) {
  const std::uint8_t command[] = {CommandByte(Command::kProximity), value};
  return link.SendFeature(command);
}

bool SetDpiStage(DeviceLink& link, std::uint8_t value) {
  const std::uint8_t command[] = {CommandByte(Command::kDpiStage), kSet, value};
  return link.SendFeature(command);
}

bool SetLedColour(DeviceLink& link, std::uint32_t colour) {
  const auto byte = [colour](int i) { return static_cast<std::uint8_t>(colour >> (8 * i)); };
  const std::uint8_t command[] = {CommandByte(Command::kLedColour), kSet, byte(1), byte(0),
                                  byte(2)};
  return link.SendFeature(command);
}

bool SetLedEffect(DeviceLink& link, LedEffect effect) {
  const std::uint8_t command[] = {CommandByte(Command::kLedEffect), kSet, effect.mode,
                                  effect.parameter, effect.extra};
  return link.SendFeature(command);
}

bool WriteDpiTable(DeviceLink& link, const DpiBlock& block) {
  const std::uint8_t header[] = {CommandByte(Command::kDpiTable), kSet, 0x07, 0x10, 0x00};
  return WriteSingleReportTable(link, header, block);
}

bool WriteLedColours(DeviceLink& link, const ColourBlock& block) {
  const std::uint8_t header[] = {CommandByte(Command::kLedColours), kSet, 0x00, 0x20, 0x00};
  return WriteSingleReportTable(link, header, block);
}

bool WriteKeyMatrix(DeviceLink& link, const KeyMatrix& matrix) {
  static_assert(sizeof(KeyMatrix) == 64);
  const std::uint8_t header[] = {CommandByte(Command::kKeyMatrix), kSet, 0x00, 0x40, 0x00};
  if (!link.SendFeature(header)) {
    return false;
  }
  link.Pause(kMultiReportPauseMs);
  std::array<std::uint8_t, sizeof(KeyMatrix)> block;
  std::memcpy(block.data(), matrix.data(), block.size());
  return link.WriteBlock(block);
}

MacroWrite WriteMacro(DeviceLink& link, int slot, const MacroRecord& record) {
  constexpr int kLastSlot = 7;
  const MacroImage image = EncodeMacro(record);
  if (slot < 0 || slot > kLastSlot) {
    return {image.wordCount, false};
  }
  const std::uint8_t header[] = {CommandByte(Command::kMacro), kSet,
                                 static_cast<std::uint8_t>(slot), 0x00, 0x02};
  if (!link.SendFeature(header)) {
    return {image.wordCount, false};
  }
  link.Pause(kMultiReportPauseMs);
  return {image.wordCount, link.WriteBlock(image.bytes)};
}

}  // namespace n63k
