#pragma once

namespace n63k {

// Which of its pictures a skinned button shows. The looks are the same for
// every page, so the rules sit here where tests reach them without a display.
enum class ButtonLook { kNormal, kHover, kPressed, kDisabled };

// What a picture button knows when it paints.
struct BitmapButtonStatus {
  bool enabled = true;
  bool hovering = false;
  bool held = false;       // the left button holds it down
  bool stateLook = false;  // the look follows `state`, as check boxes and tabs do
  int state = 0;
  bool hoverLook = true;
};

// A disabled control receives no pointer, so a hover left over from before it
// was disabled never shows.
constexpr ButtonLook ChooseBitmapButtonLook(const BitmapButtonStatus& s) {
  if (s.stateLook ? s.state != 0 : s.held) {
    return ButtonLook::kPressed;
  }
  if (s.enabled && s.hovering && s.hoverLook) {
    return ButtonLook::kHover;
  }
  return s.enabled ? ButtonLook::kNormal : ButtonLook::kDisabled;
}

// What a shaped button knows when it paints. kPressed stands for its
// "selected" picture.
struct RegionButtonStatus {
  bool enabled = true;
  bool hovering = false;
  bool held = false;
  bool stickyLook = false;  // tabs and profile buttons stay selected
  bool selected = false;
};

constexpr ButtonLook ChooseRegionButtonLook(const RegionButtonStatus& s) {
  if (s.stickyLook) {
    if (s.selected) {
      return ButtonLook::kPressed;
    }
    return s.enabled && s.hovering ? ButtonLook::kHover : ButtonLook::kNormal;
  }
  if (!s.enabled) {
    return ButtonLook::kDisabled;
  }
  if (s.held) {
    return ButtonLook::kPressed;
  }
  return s.hovering ? ButtonLook::kHover : ButtonLook::kNormal;
}

// The one-pixel frame of a colour swatch, strongest reason first.
enum class SwatchFrame { kNone, kPlain, kHover, kPressed, kSelected };

struct SwatchStatus {
  bool selected = false;
  bool held = false;
  bool hovering = false;
  bool frame = false;
};

constexpr SwatchFrame ChooseSwatchFrame(const SwatchStatus& s) {
  if (s.selected) {
    return SwatchFrame::kSelected;
  }
  if (s.held) {
    return SwatchFrame::kPressed;
  }
  if (s.hovering) {
    return SwatchFrame::kHover;
  }
  return s.frame ? SwatchFrame::kPlain : SwatchFrame::kNone;
}

}  // namespace n63k
