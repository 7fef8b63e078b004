#include "core/pages/LightingSettings.h"

namespace n63k {

const std::array<std::uint32_t, kPaletteSize> kLedPalette = {
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401,
};

bool LightingSettings::ClickMode(LedMode mode) {
  const auto value = static_cast<std::int32_t>(mode);
  if (value < static_cast<std::int32_t>(LedMode::kAlwaysOn) ||
      value > static_cast<std::int32_t>(LedMode::kOff)) {
    return false;
  }
  record_.ledMode = value;
  return true;
}

void LightingSettings::SetMultiColour(bool on) {
  record_.ledMultiColour = on ? 1 : 0;
}

void LightingSettings::SetProximitySensing(bool on) {
  record_.proximitySensing = on ? 1 : 0;
}

bool LightingSettings::MoveBrightnessSlider(int brightness) {
  if (brightness < 1 || brightness > 10) {
    return false;
  }
  record_.ledBrightness = brightness;
  return true;
}

bool LightingSettings::MoveBreathingSpeedSlider(int speed) {
  if (speed < 1 || speed > 5) {
    return false;
  }
  record_.ledBreathingSpeed = speed;
  return true;
}

bool LightingSettings::MoveCycleSpeedSlider(int position) {
  if (position < 1 || position > 3) {
    return false;
  }
  record_.ledCycleSpeed = 2 * position;
  return true;
}

bool LightingSettings::CanEditColour(int slot) const {
  const auto mode = static_cast<LedMode>(record_.ledMode);
  if (slot == kSingleColourSlot) {
    return mode == LedMode::kAlwaysOn || mode == LedMode::kBreathing;
  }
  return slot >= 0 && slot < kSingleColourSlot && mode == LedMode::kColourCycle &&
         record_.ledMultiColour == 1;
}

bool LightingSettings::SetColour(int slot, std::uint32_t colourRef) {
  if (!CanEditColour(slot)) {
    return false;
  }
  record_.ledColours[slot] = colourRef & 0xFFFFFFu;
  record_.ledColourCustom[slot] = 1;
  return true;
}

bool LightingSettings::PickPaletteColour(int slot, int index) {
  if (!CanEditColour(slot) || index < 0 || index >= kPaletteSize) {
    return false;
  }
  record_.ledColours[slot] = kLedPalette[static_cast<std::size_t>(index)];
  record_.ledPresetIndex[slot] = index;
  record_.ledColourCustom[slot] = 0;
  return true;
}

}  // namespace n63k
