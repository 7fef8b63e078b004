#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace n63k {

// The kinds of damage a profile record can have, in the order they are
// looked for.
enum class ProfileDefect {
  kNone,
  kSize,               // not exactly one record long
  kMagic,              // not a profile at all
  kFunctionCode,       // a code neither the catalogue nor the entry itself gives meaning
  kPcActionKind,       // a PC action that is none of sound, program, file, folder
  kSniperOnWheel,      // the sniper on a wheel direction, which the assignment refuses
  kUnterminatedText,   // a caption or path without its terminating zero
  kNoLeftClick,        // no control left to click with
  kDpiStages,          // not one to seven offered values, ascending, then zeros
  kSensorHeight,       // 1-30
  kPollingRate,        // report interval 1, 2, 4 or 8 ms
  kLedMode,            // 1-6
  kLedMultiColour,     // 0 or 1
  kLedColour,          // a colour with bits set above blue
  kLedColourCustom,    // 0 or 1
  kLedPresetIndex,     // 0-25
  kProximitySensing,   // 0 or 1
  kPointerPrecision,   // 0 or 1
  kPointerSpeed,       // 1-20
  kLedBrightness,      // 1-10
  kLedBreathingSpeed,  // 1-5
  kLedCycleSpeed,      // 2, 4 or 6
  kWheelScrollLines,   // 1-30 or -1
};

// The first defect of a record: what, where, and a short English text for
// messages and n63kctl, such as "button 3 (forward): unknown function code 250".
struct ProfileCheck {
  ProfileDefect defect = ProfileDefect::kNone;
  int index = -1;  // the button slot, DPI entry or colour entry; -1 for a single field
  std::string description;

  bool valid() const { return defect == ProfileDefect::kNone; }
};

// Checks the bytes of a profile file (or of a record in memory, through
// RecordBytes) against everything a record must be before it is used or sent.
ProfileCheck ValidateProfile(std::span<const std::uint8_t> bytes);

}  // namespace n63k
