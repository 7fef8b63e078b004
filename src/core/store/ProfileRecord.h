#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/buttons/ButtonEntry.h"
#include "core/buttons/ButtonSlots.h"

namespace n63k {

static_assert(std::endian::native == std::endian::little,
              "stored records are little-endian and read by copying");

inline constexpr std::uint32_t kProfileMagic = 0x80800295;

// The lighting modes as stored; any other stored value turns the lighting off.
enum class LedMode : std::int32_t {
  kAlwaysOn = 1,
  kBreathing = 2,
  kApmBreathing = 3,
  kSpectrumCycle = 4,
  kColourCycle = 5,
  kOff = 6,
};

// Everything one profile sets; also the exact content of a profile file.
struct ProfileRecord {
  std::uint32_t magic;
  ButtonEntry buttons[kButtonCount];
  std::int32_t dpiLevels[14];  // ascending, zero = no stage; only 0-6 reach the mouse
  std::uint8_t reserved[64];
  std::int32_t sensorHeight;  // 1-30, stored only
  std::int32_t pollingRate;   // report interval in ms: 1, 2, 4 or 8
  std::int32_t ledMode;       // a LedMode
  std::int32_t ledMultiColour;
  std::uint32_t ledColours[4];  // red in the low byte; 0-2 multi-colour, 3 single colour
  std::int32_t ledColourCustom[4];
  std::int32_t ledPresetIndex[4];
  std::int32_t proximitySensing;
  std::int32_t pointerPrecision;
  std::int32_t pointerSpeed;       // 1-20
  std::int32_t ledBrightness;      // always-on mode: 1-10
  std::int32_t ledBreathingSpeed;  // breathing mode: 1-5
  std::int32_t ledCycleSpeed;      // colour-cycle mode: twice the speed slider's 1-3
  std::int32_t wheelScrollLines;   // 1-30, or -1 for one screen per notch
};

static_assert(sizeof(ProfileRecord) == 22252);
static_assert(offsetof(ProfileRecord, buttons) == 4);
static_assert(offsetof(ProfileRecord, dpiLevels) == 22040);
static_assert(offsetof(ProfileRecord, reserved) == 22096);
static_assert(offsetof(ProfileRecord, sensorHeight) == 22160);
static_assert(offsetof(ProfileRecord, pollingRate) == 22164);
static_assert(offsetof(ProfileRecord, ledMode) == 22168);
static_assert(offsetof(ProfileRecord, ledMultiColour) == 22172);
static_assert(offsetof(ProfileRecord, ledColours) == 22176);
static_assert(offsetof(ProfileRecord, ledColourCustom) == 22192);
static_assert(offsetof(ProfileRecord, ledPresetIndex) == 22208);
static_assert(offsetof(ProfileRecord, proximitySensing) == 22224);
static_assert(offsetof(ProfileRecord, pointerPrecision) == 22228);
static_assert(offsetof(ProfileRecord, pointerSpeed) == 22232);
static_assert(offsetof(ProfileRecord, ledBrightness) == 22236);
static_assert(offsetof(ProfileRecord, ledBreathingSpeed) == 22240);
static_assert(offsetof(ProfileRecord, ledCycleSpeed) == 22244);
static_assert(offsetof(ProfileRecord, wheelScrollLines) == 22248);

// Fills the record with the defaults; captions are the function names in the
// interface language active now.
void BuildDefaultProfile(ProfileRecord& record, bool chineseUi);

inline std::span<const std::uint8_t> RecordBytes(const ProfileRecord& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

}  // namespace n63k
