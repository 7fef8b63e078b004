#pragma once

#include <array>
#include <cstdint>

#include "core/store/ProfileRecord.h"

namespace n63k {

inline constexpr int kPaletteSize = 26;
// The lighting page's preset colours, COLORREF (red in the low byte).
extern const std::array<std::uint32_t, kPaletteSize> kLedPalette;

// `ledColours` entry of the single colour; 0-2 are the colour-cycle colours.
inline constexpr int kSingleColourSlot = 3;

// The lighting fields of the current record, changed as the lighting page's
// controls change them. Each colour entry can be edited only while the page
// offers it: the single colour in the always-on and breathing modes, the
// three cycle colours in colour-cycle mode with several colours on. A
// refused change leaves the record as it was.
class LightingSettings {
 public:
  explicit LightingSettings(ProfileRecord& record) : record_(record) {}

  bool ClickMode(LedMode mode);
  void SetMultiColour(bool on);
  void SetProximitySensing(bool on);
  bool MoveBrightnessSlider(int brightness);  // 1-10
  bool MoveBreathingSpeedSlider(int speed);   // 1-5
  bool MoveCycleSpeedSlider(int position);    // 1-3
  // Whether the page lets the colour entry `slot` be edited now.
  bool CanEditColour(int slot) const;
  bool SetColour(int slot, std::uint32_t colourRef);  // the sliders or the wheel
  bool PickPaletteColour(int slot, int index);

 private:
  ProfileRecord& record_;
};

}  // namespace n63k
