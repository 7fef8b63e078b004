#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/base/Geometry.h"
#include "core/i18n/TextTable.h"
#include "core/pages/LightingLayout.h"
#include "core/pages/LightingSettings.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// What the lighting page's view follows: everything it shows may have
// changed, so it takes every control's state again.
class LightingPageObserver {
 public:
  virtual ~LightingPageObserver() = default;
  virtual void LightingChanged() = 0;
  // The language changed: captions, tooltips and the layout family.
  virtual void LightingCaptionsChanged() = 0;
};

// The colour slot that no colour control edits.
inline constexpr int kNoColourSlot = 4;

// The lighting page: six modes, their sliders, the multi-colour toggle and
// its three colours, proximity sensing, and the palette, wheel and red, green
// and blue sliders that edit the chosen colour slot. It edits the current
// profile record in place, through the rules it shares with n63kctl.
class LightingPage {
 public:
  // `record` is the current profile; `showHint` shows a hint number in the
  // main window's status line.
  LightingPage(ProfileRecord& record, const Localisation& localisation,
               std::function<void(int)> showHint);

  void SetObserver(LightingPageObserver* observer) { observer_ = observer; }

  // Brings every control into line with the record: after each click, and
  // whenever the main window replaced the record or shows the page.
  void Refresh();

  // Mode buttons 1-6.
  void ClickMode(int mode);
  void ClickMultiColour();
  // The swatches of colours 1-3 (0-2).
  void ClickSwatch(int colour);
  void ClickProximity(bool on);
  void ClickPalette(int index);
  // A slider of the page reports a new position (the slider ids of
  // lighting_page); other ids change nothing.
  void MoveSlider(int id, int value);
  // A left press at `point`; `shownColour` is the COLORREF the page shows
  // there. Inside the active wheel it becomes the slot's colour.
  void PressWheel(Point point, std::uint32_t shownColour);
  // Whether the pointer at `point` shows the cross of the colour wheel.
  bool WheelCursorAt(Point point) const;
  // The pointer moved over the page: shows the hint of each control under it.
  void MouseMove(Point point);
  // After a language switch.
  void ReapplyCaptions();

  bool ModeOn(int mode) const { return modeOn_[static_cast<std::size_t>(mode - 1)]; }
  bool Enabled(lighting_page::Control control) const;
  bool PaletteEnabled() const { return paletteEnabled_; }
  // The lit palette button, -1 for none.
  int LitPalette() const { return litPalette_; }
  int ColourSlot() const { return slot_; }
  bool WheelActive() const { return wheelActive_; }
  bool MultiColourOn() const { return multiColourOn_; }
  bool ProximityOn() const { return proximityOn_; }
  // Slider positions as shown.
  int SliderPos(int id) const;
  // Red, green and blue as the sliders and numbers show them.
  std::array<int, 3> Rgb() const { return rgb_; }
  std::string NumberText(int component) const {
    return std::to_string(rgb_[static_cast<std::size_t>(component)]);
  }
  // What the swatch of `slot` (0-3) shows.
  std::uint32_t SwatchColour(int slot) const { return record_.ledColours[slot]; }
  bool ChineseLayout() const { return localisation_.chineseUi; }
  Rect RectOf(lighting_page::Control control) const;
  Rect PaletteRect(int index) const;
  // The text drawn on a control: its string key's text, but short built-in
  // words on the proximity buttons and the multi-colour toggle, whose
  // rectangles are too small for their keys' texts.
  std::string Caption(lighting_page::Control control) const;
  // The tooltip and the name screen readers say: the string key's text.
  const std::string& Tooltip(lighting_page::Control control) const;

 private:
  void RefreshMode();
  void SetRgbFrom(std::uint32_t colour);
  void SetComponent(int component, int value);
  void Notify();

  ProfileRecord& record_;
  LightingSettings settings_;
  const Localisation& localisation_;
  std::function<void(int)> showHint_;
  LightingPageObserver* observer_ = nullptr;

  std::array<bool, 6> modeOn_{};
  bool speedEnabled_ = false;
  bool brightnessEnabled_ = false;
  bool toggleEnabled_ = false;
  bool swatchesEnabled_ = false;
  bool cycleSpeedEnabled_ = false;
  bool paletteEnabled_ = false;
  bool wheelActive_ = false;
  bool multiColourOn_ = false;
  bool proximityOn_ = false;
  int slot_ = kNoColourSlot;
  int litPalette_ = -1;
  int speed_ = 1;
  int brightness_ = 1;
  int cycleSpeed_ = 1;
  std::array<int, 3> rgb_{};
};

}  // namespace n63k
