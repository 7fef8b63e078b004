#include "core/lighting/LightingDeviceValues.h"

namespace n63k {
namespace {

std::uint8_t Byte(std::int32_t value) {
  return static_cast<std::uint8_t>(value);
}

}  // namespace

LedEffect LedEffectArguments(const ProfileRecord& record) {
  switch (static_cast<LedMode>(record.ledMode)) {
    case LedMode::kAlwaysOn:
      return {1, Byte(record.ledBrightness), 1};
    case LedMode::kBreathing:
      return {2, Byte(record.ledBreathingSpeed), 1};
    case LedMode::kApmBreathing:
      return {3, 2, 3};
    case LedMode::kSpectrumCycle:
      return {4, 10, 2};
    case LedMode::kColourCycle:
      return {5, Byte(record.ledCycleSpeed), Byte(record.ledMultiColour)};
    case LedMode::kOff:
      break;
  }
  return {0, 0, 0};
}

bool SendsColourBlock(const ProfileRecord& record) {
  return record.ledMode == static_cast<std::int32_t>(LedMode::kColourCycle) &&
         record.ledMultiColour == 1;
}

std::uint8_t ProximityValue(const ProfileRecord& record) {
  const bool lightsOff = record.ledMode == static_cast<std::int32_t>(LedMode::kOff);
  return record.proximitySensing == 1 && !lightsOff ? kProximityOn : kProximityOff;
}

ColourBlock BuildColourBlock(const ProfileRecord& record) {
  ColourBlock block{};
  for (std::size_t colour = 0; colour < 3; ++colour) {
    for (std::size_t component = 0; component < 3; ++component) {
      block[3 * colour + component] =
          static_cast<std::uint8_t>(record.ledColours[colour] >> (8 * component));
    }
  }
  return block;
}

}  // namespace n63k
