#include "core/pages/LightingPage.h"

#include <utility>

namespace n63k {

using lighting_page::Control;

namespace {

bool IsColourSlot(int slot) {
  return slot >= 0 && slot < kNoColourSlot;
}

std::uint8_t Component(std::uint32_t colour, int component) {
  return static_cast<std::uint8_t>(colour >> (8 * component));
}

}  // namespace

LightingPage::LightingPage(ProfileRecord& record, const Localisation& localisation,
                           std::function<void(int)> showHint)
    : record_(record),
      settings_(record),
      localisation_(localisation),
      showHint_(std::move(showHint)) {}

void LightingPage::Refresh() {
  RefreshMode();

  proximityOn_ = record_.proximitySensing != 0;
  speed_ = record_.ledBreathingSpeed;
  brightness_ = record_.ledBrightness;
  cycleSpeed_ = record_.ledCycleSpeed / 2;

  litPalette_ = -1;
  if (paletteEnabled_ && IsColourSlot(slot_)) {
    SetRgbFrom(record_.ledColours[slot_]);
  } else {
    paletteEnabled_ = false;
    slot_ = kNoColourSlot;
    rgb_ = {};
  }

  if (IsColourSlot(slot_) && record_.ledColourCustom[slot_] == 0) {
    // A damaged record may name a colour the palette does not have.
    if (record_.ledPresetIndex[slot_] < 0 || record_.ledPresetIndex[slot_] >= kPaletteSize) {
      record_.ledPresetIndex[slot_] = 0;
    }
    litPalette_ = record_.ledPresetIndex[slot_];
    SetRgbFrom(record_.ledColours[slot_]);
  }

  multiColourOn_ = record_.ledMultiColour == 1;
  Notify();
}

void LightingPage::RefreshMode() {
  const int mode = record_.ledMode;
  if (mode < 1 || mode > 6) {
    return;
  }
  modeOn_ = {};
  modeOn_[static_cast<std::size_t>(mode - 1)] = true;
  speedEnabled_ = mode == 2;
  brightnessEnabled_ = mode == 1;
  switch (mode) {
    case 1:
    case 2:
      toggleEnabled_ = false;
      swatchesEnabled_ = false;
      cycleSpeedEnabled_ = false;
      slot_ = kSingleColourSlot;
      wheelActive_ = true;
      paletteEnabled_ = true;
      break;
    case 5: {
      // The record decides, not the toggle's last look: after a profile
      // switch the toggle still shows the previous profile.
      const bool multiColour = record_.ledMultiColour == 1;
      toggleEnabled_ = true;
      swatchesEnabled_ = true;
      cycleSpeedEnabled_ = !multiColour;
      if (!multiColour) {
        slot_ = kNoColourSlot;
      } else if (!IsColourSlot(slot_) || slot_ == kSingleColourSlot) {
        slot_ = 0;
      }
      wheelActive_ = multiColour;
      paletteEnabled_ = multiColour;
      break;
    }
    default:
      toggleEnabled_ = false;
      swatchesEnabled_ = false;
      cycleSpeedEnabled_ = false;
      slot_ = kNoColourSlot;
      wheelActive_ = false;
      paletteEnabled_ = false;
      break;
  }
}

void LightingPage::ClickMode(int mode) {
  if (!settings_.ClickMode(static_cast<LedMode>(mode))) {
    return;
  }
  // Choosing the colour cycle with its three colours starts at the first,
  // whichever colour was chosen before.
  if (record_.ledMode == static_cast<std::int32_t>(LedMode::kColourCycle) &&
      record_.ledMultiColour == 1) {
    slot_ = 0;
  }
  Refresh();
}

void LightingPage::ClickMultiColour() {
  settings_.SetMultiColour(record_.ledMultiColour != 1);
  Refresh();
}

void LightingPage::ClickSwatch(int colour) {
  if (colour >= 0 && colour < kSingleColourSlot) {
    slot_ = colour;
  }
  Refresh();
}

void LightingPage::ClickProximity(bool on) {
  settings_.SetProximitySensing(on);
  Refresh();
}

void LightingPage::ClickPalette(int index) {
  if (IsColourSlot(slot_)) {
    static_cast<void>(settings_.PickPaletteColour(slot_, index));
  }
  Refresh();
}

void LightingPage::MoveSlider(int id, int value) {
  switch (id) {
    case lighting_page::kRedSliderId:
    case lighting_page::kGreenSliderId:
    case lighting_page::kBlueSliderId:
      SetComponent(id - lighting_page::kRedSliderId, value);
      break;
    case lighting_page::kBrightnessSliderId:
      if (settings_.MoveBrightnessSlider(value)) {
        brightness_ = value;
      }
      break;
    case lighting_page::kSpeedSliderId:
      if (settings_.MoveBreathingSpeedSlider(value)) {
        speed_ = value;
      }
      break;
    case lighting_page::kCycleSpeedSliderId:
      if (settings_.MoveCycleSpeedSlider(value)) {
        cycleSpeed_ = value;
      }
      break;
    default:
      return;
  }
  Notify();
}

void LightingPage::SetComponent(int component, int value) {
  if (value < 0 || value > 255) {
    return;
  }
  rgb_[static_cast<std::size_t>(component)] = value;
  if (!IsColourSlot(slot_)) {
    return;
  }
  const int shift = 8 * component;
  const std::uint32_t colour = (record_.ledColours[slot_] & ~(0xFFu << shift) & 0xFFFFFFu) |
                               (static_cast<std::uint32_t>(value) << shift);
  if (settings_.SetColour(slot_, colour)) {
    litPalette_ = -1;
  }
}

bool LightingPage::WheelCursorAt(Point point) const {
  return wheelActive_ && lighting_page::InWheel(point);
}

void LightingPage::PressWheel(Point point, std::uint32_t shownColour) {
  if (!WheelCursorAt(point) || !IsColourSlot(slot_)) {
    return;
  }
  if (settings_.SetColour(slot_, shownColour)) {
    // The colour is the user's own now, no longer a preset.
    litPalette_ = -1;
    SetRgbFrom(record_.ledColours[slot_]);
    Notify();
  }
}

void LightingPage::MouseMove(Point point) {
  for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (!RectOf(control).Grown(1).Contains(point)) {
      continue;
    }
    int hint = lighting_page::kControls[i].hint;
    if (control == Control::kMultiColour && multiColourOn_) {
      hint = lighting_page::kMultiColourOnHint;
    }
    showHint_(hint);
  }
}

void LightingPage::ReapplyCaptions() {
  if (observer_ != nullptr) {
    observer_->LightingCaptionsChanged();
  }
}

bool LightingPage::Enabled(Control control) const {
  switch (control) {
    case Control::kSpeedSlider:
      return speedEnabled_;
    case Control::kBrightnessSlider:
      return brightnessEnabled_;
    case Control::kMultiColour:
      return toggleEnabled_;
    case Control::kSwatch1:
    case Control::kSwatch2:
    case Control::kSwatch3:
      return swatchesEnabled_;
    case Control::kCycleSpeedSlider:
      return cycleSpeedEnabled_;
    case Control::kRedSlider:
    case Control::kGreenSlider:
    case Control::kBlueSlider:
      return paletteEnabled_ && IsColourSlot(slot_);
    default:
      return true;
  }
}

int LightingPage::SliderPos(int id) const {
  switch (id) {
    case lighting_page::kRedSliderId:
    case lighting_page::kGreenSliderId:
    case lighting_page::kBlueSliderId:
      return rgb_[static_cast<std::size_t>(id - lighting_page::kRedSliderId)];
    case lighting_page::kBrightnessSliderId:
      return brightness_;
    case lighting_page::kSpeedSliderId:
      return speed_;
    case lighting_page::kCycleSpeedSliderId:
      return cycleSpeed_;
    default:
      return 0;
  }
}

Rect LightingPage::RectOf(Control control) const {
  return lighting_page::RectOf(control, localisation_.chineseUi);
}

Rect LightingPage::PaletteRect(int index) const {
  return lighting_page::PaletteRect(index, localisation_.chineseUi);
}

std::string LightingPage::Caption(Control control) const {
  const bool chinese = localisation_.chineseUi;
  switch (control) {
    case Control::kProximityOn:
      return chinese ? "开启" : "On";
    case Control::kProximityOff:
      return chinese ? "关闭" : "Off";
    case Control::kMultiColour:
      return chinese ? "三色循环" : "Three colors";
    default:
      return Tooltip(control);
  }
}

const std::string& LightingPage::Tooltip(Control control) const {
  return localisation_.texts.Get(lighting_page::Place(control).caption);
}

void LightingPage::SetRgbFrom(std::uint32_t colour) {
  for (int c = 0; c < 3; ++c) {
    rgb_[static_cast<std::size_t>(c)] = Component(colour, c);
  }
}

void LightingPage::Notify() {
  if (observer_ != nullptr) {
    observer_->LightingChanged();
  }
}

}  // namespace n63k
