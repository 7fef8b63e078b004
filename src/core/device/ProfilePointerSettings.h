#pragma once

#include "core/device/PointerSettings.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// The pointer values that a profile record carries.
PointerValues ProfilePointerValues(const ProfileRecord& record);

// The start-up step: applies the current profile's pointer settings again, so
// that they hold after a logout on desktops that keep nothing of their own.
void ApplyStartupPointerSettings(const ProfileRecord& current, PointerSettings& pointer);

}  // namespace n63k
