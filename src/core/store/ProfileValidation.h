#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace n63k {

// The kinds of damage that keep a profile record from being used or sent, in
// the order they are looked for. Every other stored value is taken as it is:
// the pages and the worker clamp, reset or map what they cannot show or send.
enum class ProfileDefect {
  kNone,
  kSize,              // not exactly one record long
  kMagic,             // not a profile at all
  kFunctionCode,      // a code neither the catalogue nor the entry itself gives meaning
  kPcActionKind,      // a PC action that is none of sound, program, file, folder
  kSniperOnWheel,     // the sniper on a wheel direction, which the assignment refuses
  kUnterminatedText,  // a caption or path without its terminating zero
  kNoLeftClick,       // no control left to click with
  kNoDpiStage,        // no DPI level of the seven stages that the mouse has a code for
};

// The first defect of a record: what, where, and a short English text for
// messages and n63kctl, such as "button 3 (forward): unknown function code 250".
struct ProfileCheck {
  ProfileDefect defect = ProfileDefect::kNone;
  int index = -1;  // the button slot; -1 for the record as a whole
  std::string description;

  bool valid() const { return defect == ProfileDefect::kNone; }
};

// Checks the bytes of a profile file (or of a record in memory, through
// RecordBytes) against what a record must be before it is used or sent.
// `fileSize` is the size of the file they were read from, which may hold
// more than was read.
ProfileCheck ValidateProfile(std::span<const std::uint8_t> bytes, std::uint64_t fileSize);
inline ProfileCheck ValidateProfile(std::span<const std::uint8_t> bytes) {
  return ValidateProfile(bytes, bytes.size());
}

}  // namespace n63k
