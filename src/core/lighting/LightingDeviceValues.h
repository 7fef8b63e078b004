#pragma once

#include "core/lighting/LedValues.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// What the lighting of a profile becomes on the mouse.

// The three arguments of the effect command for the profile's lighting mode;
// a mode outside 1-5 turns the lighting off.
LedEffect LedEffectArguments(const ProfileRecord& record);

// Only the multi-colour cycle (mode 5 with multi-colour on) uses colours 1-3.
bool SendsColourBlock(const ProfileRecord& record);

// Red, green, blue of colours 1, 2 and 3, then zeros.
ColourBlock BuildColourBlock(const ProfileRecord& record);

// Proximity sensing goes out on only while the lighting is not off.
std::uint8_t ProximityValue(const ProfileRecord& record);

}  // namespace n63k
