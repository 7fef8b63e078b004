#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/device/CUSBDriver.h"
#include "core/macro/MacroRecord.h"

namespace n63k {

// The command set of the mouse. Each command clears a report, fills it and
// answers whether the mouse took it; tables are announced by a header report
// and follow as output reports.

// Sixteen device words, one per key-matrix position.
using KeyMatrix = std::array<std::uint32_t, 16>;
// The stage codes of DPI stages 1-7, 0x02, the same seven codes, 0x02.
using DpiBlock = std::array<std::uint8_t, 16>;
// Red, green, blue of colours 1-3, then zeros.
using ColourBlock = std::array<std::uint8_t, 32>;

struct LedEffect {
  std::uint8_t a;
  std::uint8_t b;
  std::uint8_t c;
};

// Pauses after a header, before its data.
inline constexpr std::uint32_t kSingleReportPauseMs = 50;
inline constexpr std::uint32_t kMultiReportPauseMs = 100;
inline constexpr std::uint32_t kVersionReplyPauseMs = 50;

// The version, reply byte 2 x 10 + byte 3; none when the mouse does not answer
// or the reply is not the version's.
std::optional<std::uint32_t> ReadFirmwareVersion(CUSBDriver& link);
// Only codes 1, 2, 4 and 8 go out; any other is sent as 2.
bool SetPollingRate(CUSBDriver& link, std::int32_t code);
bool SetProximity(CUSBDriver& link, std::int32_t on, std::int32_t ledMode);
bool SetDpiStage(CUSBDriver& link, std::uint8_t value);
// `colour` with red in byte 0; the mouse takes green, red, blue.
bool SetLedColour(CUSBDriver& link, std::uint32_t colour);
bool SetLedEffect(CUSBDriver& link, LedEffect effect);
bool WriteDpiTable(CUSBDriver& link, const DpiBlock& block);
bool WriteLedColours(CUSBDriver& link, const ColourBlock& block);
bool WriteKeyMatrix(CUSBDriver& link, const KeyMatrix& matrix);

struct MacroWrite {
  std::size_t wordCount;  // of the encoded image, whether or not it was sent
  bool sent;              // header and every data report were taken
};
// Encodes the macro and writes its image into device macro slot `slot`; a
// slot above 7 gets nothing.
MacroWrite WriteMacro(CUSBDriver& link, int slot, const MacroRecord& record);

}  // namespace n63k
