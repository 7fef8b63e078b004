#pragma once

#include <cstdint>

namespace n63k {

// What the main window asks of its five pages. Each page's issue implements
// its calls; until a page exists its calls have nothing to reach.
class PageHooks {
 public:
  virtual ~PageHooks() = default;

  // The button page shows the current profile again: on selecting page 1,
  // after a profile switch, and when the tray shows the window.
  virtual void RefreshButtonPage() = 0;
  // The lighting page shows the current profile again: on selecting page 2,
  // after a profile switch, and when the tray shows the window.
  virtual void RefreshLightingPage() = 0;
  // The macro page lists its group again, keeping its selection: after the
  // macro table was taken from the data folder again. It waits while a
  // recording or an edit of an event runs.
  virtual void RefreshMacroPage() = 0;
  // The macro page closes its game menu if one is open: on selecting any page
  // but 3, and when the close button hides the window.
  virtual void CloseGameMenu() = 0;
  // The macro page stops a recording if one runs and stores it as its record
  // button would: on selecting any page but 3.
  virtual void StopRecording() = 0;
  // The macro page brings its loop field into range as its timer does: first
  // thing on Apply, so that the write sends what the field shows.
  virtual void NormaliseLoopField() = 0;
  // The button page takes the scroll-lines text into the profile: on Apply,
  // unless the profile scrolls a screen per notch.
  virtual void ApplyScrollLinesText() = 0;
  // The pages stop taking global keyboard and mouse input (key combination,
  // macro recording): when the window is minimised or hidden.
  virtual void StopInputCapture() = 0;
  // The support page shows the mouse's firmware version, 0 when the mouse
  // did not tell it: after the start-up opened the mouse, and after it was
  // plugged in again.
  virtual void ShowFirmwareVersion(std::uint32_t version) = 0;
  // The statistics page counts a press or wheel notch that the input hooks
  // reported (its mouse input identity; other values change nothing).
  virtual void CountClick(std::uint32_t identity) = 0;
  // Every page sets the captions of its string keys again: after a language
  // switch.
  virtual void ReapplyPageCaptions() = 0;
};

}  // namespace n63k
