#include "core/lighting/LightingDeviceValues.h"

namespace n63k {
namespace {

std::uint8_t Byte(std::int32_t value) {
  return static_cast<std::uint8_t>(value);
}

}  // namespace

LedEffect LedEffectArguments(const ProfileRecord& record) {
  switch (record.ledMode) {
    case 1:
      return {1, Byte(record.ledParam1), 1};
    case 2:
      return {2, Byte(record.ledParam2), 1};
    case 3:
      return {3, 2, 3};
    case 4:
      return {4, 10, 2};
    case 5:
      return {5, Byte(record.ledParam5), Byte(record.ledMultiColour)};
    default:
      return {0, 0, 0};
  }
}

bool SendsColourBlock(const ProfileRecord& record) {
  return record.ledMode == 5 && record.ledMultiColour == 1;
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
