#include "core/device/ProfilePointerSettings.h"

namespace n63k {

PointerValues ProfilePointerValues(const ProfileRecord& record) {
  return {record.pointerPrecision, record.pointerSpeed, record.wheelScrollLines};
}

void ApplyStartupPointerSettings(const ProfileRecord& current, PointerSettings& pointer) {
  pointer.Apply(ProfilePointerValues(current));
}

}  // namespace n63k
