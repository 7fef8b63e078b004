#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/device/DeviceLink.h"
#include "core/device/ProtocolValues.h"
#include "core/lighting/LedValues.h"
#include "core/macro/MacroRecord.h"

namespace n63k {

// The command set of the mouse. Each command clears a report, fills it and
// answers whether the mouse took it; tables are announced by a header report
// and follow as output reports.

// Pauses after a header, before its data.
inline constexpr std::uint32_t kSingleReportPauseMs = 50;
inline constexpr std::uint32_t kMultiReportPauseMs = 100;
inline constexpr std::uint32_t kVersionReplyPauseMs = 50;

// The version, reply byte 2 x 10 + byte 3; none when the mouse does not answer
// or the reply is not the version's.
std::optional<std::uint32_t> ReadFirmwareVersion(DeviceLink& link);
// Only codes 1, 2, 4 and 8 go out; any other is sent as 2.
bool SetPollingRate(DeviceLink& link, std::int32_t code);
// `value` kProximityOn or kProximityOff (ProximityValue).
bool SetProximity(DeviceLink& link, std::uint8_t value);
bool SetDpiStage(DeviceLink& link, std::uint8_t value);
// `colour` with red in byte 0; the mouse takes green, red, blue.
bool SetLedColour(DeviceLink& link, std::uint32_t colour);
bool SetLedEffect(DeviceLink& link, LedEffect effect);
bool WriteDpiTable(DeviceLink& link, const DpiBlock& block);
bool WriteLedColours(DeviceLink& link, const ColourBlock& block);
bool WriteKeyMatrix(DeviceLink& link, const KeyMatrix& matrix);

struct MacroWrite {
  std::size_t wordCount;  // of the encoded image, whether or not it was sent
  bool sent;              // header and every data report were taken
};
// Encodes the macro and writes its image into device macro slot `slot`; a
// slot above 7 gets nothing.
MacroWrite WriteMacro(DeviceLink& link, int slot, const MacroRecord& record);

}  // namespace n63k
