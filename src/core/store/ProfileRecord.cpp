#include "core/store/ProfileRecord.h"

#include <cstring>

#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"

namespace n63k {

void BuildDefaultProfile(ProfileRecord& record, bool chineseUi) {
  std::memset(&record, 0, sizeof record);
  record.magic = kProfileMagic;
  for (int slot = 0; slot < kButtonCount; ++slot) {
    ButtonEntry& entry = record.buttons[slot];
    entry.functionCode = kButtonSlots[static_cast<std::size_t>(slot)].defaultCode;
    SetFixedText(entry.caption, GetFunctionName(entry.functionCode, chineseUi));
  }
  constexpr std::int32_t kDpi[] = {750, 1250, 1500, 2000, 2500, 3500, 4000};
  std::memcpy(record.dpiLevels, kDpi, sizeof kDpi);
  record.sensorHeight = 15;
  record.pollingRate = 1;
  record.ledMode = static_cast<std::int32_t>(LedMode::kColourCycle);
  record.ledMultiColour = 0;
  for (int i = 0; i < 4; ++i) {
    record.ledColours[i] = 255;
    record.ledColourCustom[i] = 1;
  }
  record.proximitySensing = 1;
  record.pointerPrecision = 0;
  record.pointerSpeed = 10;
  record.ledBrightness = 5;
  record.ledBreathingSpeed = 3;
  record.ledCycleSpeed = 4;
  record.wheelScrollLines = 3;
}

}  // namespace n63k
