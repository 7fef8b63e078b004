#include <gtest/gtest.h>

#include "core/lighting/LightingDeviceValues.h"

namespace n63k {
namespace {

TEST(LightingDeviceValues, ColourBlockTakesRedGreenBlueOfTheFirstThreeColours) {
  ProfileRecord record{};
  record.ledColours[0] = 0xAA332211;
  record.ledColours[1] = 0x00665544;
  record.ledColours[2] = 0x00998877;
  record.ledColours[3] = 0x00FFFFFF;
  ColourBlock expected{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};
  EXPECT_EQ(BuildColourBlock(record), expected);
}

TEST(LightingDeviceValues, EffectArgumentsTakeTheParametersOfTheirMode) {
  ProfileRecord record{};
  record.ledBrightness = 7;
  record.ledBreathingSpeed = 8;
  record.ledCycleSpeed = 12;
  record.ledMultiColour = 1;
  struct Case {
    std::int32_t mode;
    LedEffect effect;
  };
  for (const Case& c :
       {Case{1, {1, 7, 1}}, Case{2, {2, 8, 1}}, Case{3, {3, 2, 3}}, Case{4, {4, 10, 2}},
        Case{5, {5, 12, 1}}, Case{6, {0, 0, 0}}, Case{0, {0, 0, 0}}, Case{-3, {0, 0, 0}}}) {
    record.ledMode = c.mode;
    const LedEffect effect = LedEffectArguments(record);
    EXPECT_EQ(effect.mode, c.effect.mode) << c.mode;
    EXPECT_EQ(effect.parameter, c.effect.parameter) << c.mode;
    EXPECT_EQ(effect.extra, c.effect.extra) << c.mode;
  }
}

TEST(LightingDeviceValues, ProximityIsOnOnlyWhenSetAndTheLightsAreNotOff) {
  struct Case {
    std::int32_t proximity;
    std::int32_t mode;
    std::uint8_t value;
  };
  for (const Case& c :
       {Case{1, 6, kProximityOff}, Case{1, 5, kProximityOn}, Case{0, 5, kProximityOff},
        Case{2, 1, kProximityOff}, Case{1, 0, kProximityOn}}) {
    ProfileRecord record{};
    record.proximitySensing = c.proximity;
    record.ledMode = c.mode;
    EXPECT_EQ(ProximityValue(record), c.value) << c.proximity << " in mode " << c.mode;
  }
}

}  // namespace
}  // namespace n63k
