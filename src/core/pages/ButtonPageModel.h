#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/Geometry.h"
#include "core/base/Timers.h"
#include "core/buttons/ChooserResult.h"
#include "core/i18n/TextTable.h"
#include "core/pages/ButtonPageLayout.h"
#include "core/pages/ButtonPageSettings.h"
#include "core/pages/FunctionAssignment.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// What of the button page changed, so that its view redraws that part.
enum class ButtonPagePart {
  kDpi,         // which DPI boxes are checked
  kPointer,     // the two sliders and the precision box
  kReportRate,  // which report-rate radio is selected
  kWheel,       // the wheel radios and whether the number's controls take clicks
  kLinesText,   // the scroll-lines text, with the caret at its end
  kTabs,        // which tabs look selected, and their captions
  kMarkers,     // which markers on the mouse picture are lit
  kLanguage,    // captions, tooltips and the layout family
};

class ButtonPageObserver {
 public:
  virtual ~ButtonPageObserver() = default;
  virtual void Changed(ButtonPagePart part) = 0;
  // The chooser opens for `slot`; its outcome comes back through
  // ChooserAccepted or ChooserCancelled.
  virtual void OpenChooser(int slot) = 0;
};

// Where the pointer is, as the marker timer looks at it.
class PagePointer {
 public:
  virtual ~PagePointer() = default;
  // In page pixels.
  virtual Point Position() const = 0;
  // Whether the main window is the active window of the desktop.
  virtual bool WindowInFront() const = 0;
};

// The first page of the main window: DPI stages, pointer speed and precision,
// sensor height, report rate, wheel scrolling, and the seven button tabs that
// open the function chooser. Every change goes into the current record only.
class ButtonPageModel {
 public:
  // `record` is the current profile record, replaced in place by profile
  // switches; `showHint` is the main window's status line.
  ButtonPageModel(ProfileRecord& record, FunctionAssignment& assignment,
                  const Localisation& localisation, Timers& timers, const PagePointer& pointer,
                  std::function<void(int hint)> showHint);
  ~ButtonPageModel();
  ButtonPageModel(const ButtonPageModel&) = delete;
  ButtonPageModel& operator=(const ButtonPageModel&) = delete;

  void SetObserver(ButtonPageObserver* observer) { observer_ = observer; }

  // Shows the current record again: at start-up and whenever the record was
  // replaced.
  void RefreshButtonPage();
  // Takes the scroll-lines text into the record as a number 1-30.
  void ApplyScrollLinesText();
  // After a language switch.
  void ReapplyCaptions();

  // DPI box `box` in kDpiValues order.
  void ClickDpiBox(std::size_t box);
  void ClickPrecisionBox();
  // A slider reports a new position under its identifier.
  void MoveSlider(int id, int position);
  // Radio `radio` in kReportRates order.
  void ClickReportRate(std::size_t radio);
  void ClickLinesRadio();
  void ClickScreenRadio();
  void ClickPlus();
  void ClickMinus();
  // The user edits the scroll-lines text; it is taken in by the timer or by
  // Apply, never while typing.
  void EditLinesText(std::string text);
  void ClickTab(int slot);
  void ChooserAccepted(const ChooserResult& result);
  void ChooserCancelled();
  // The pointer moved over the page (page pixels).
  void MouseMove(Point point);

  bool DpiBoxChecked(std::size_t box) const { return dpiChecked_[box]; }
  int PointerSpeed() const { return record_.pointerSpeed; }
  int SensorHeight() const { return record_.sensorHeight; }
  bool PrecisionChecked() const { return record_.pointerPrecision == 1; }
  // 0 when the record's report rate has no radio.
  int SelectedReportRate() const { return selectedRate_; }
  bool LinesSelected() const { return linesSelected_; }
  // The edit box and the plus and minus buttons take clicks only with the
  // lines radio selected.
  bool LinesControlsEnabled() const { return linesSelected_; }
  int LinesNumber() const { return linesNumber_; }
  const std::string& LinesText() const { return linesText_; }
  bool TabSelected(int slot) const { return tabSelected_[static_cast<std::size_t>(slot)]; }
  // The slot's caption, a default function's name in the interface language.
  std::string TabCaption(int slot) const;
  bool MarkerLit(int slot) const { return markerLit_[static_cast<std::size_t>(slot)]; }
  // -1 unless the chooser is open for a slot.
  int CurrentSlot() const { return currentSlot_; }

  // The Chinese layout of the wheel's controls, or the others'.
  bool ChineseLayout() const { return localisation_.chineseUi; }
  const button_page::WheelControls& Wheel() const;
  std::string Text(StringKey key) const { return localisation_.texts.Get(key); }
  // What screen readers call the plus and minus buttons of the scroll lines.
  std::string_view StepButtonName(bool plus) const;

 private:
  void Notify(ButtonPagePart part);
  void ShowTabs();
  void SetLinesNumber(int number);
  void TickMarkers();

  ProfileRecord& record_;
  ButtonPageSettings settings_;
  FunctionAssignment& assignment_;
  const Localisation& localisation_;
  Timers& timers_;
  const PagePointer& pointer_;
  std::function<void(int)> showHint_;
  ButtonPageObserver* observer_ = nullptr;

  std::array<bool, kDpiValues.size()> dpiChecked_{};
  int selectedRate_ = 0;
  bool linesSelected_ = true;
  int linesNumber_ = 1;
  std::string linesText_ = "1";
  std::array<bool, kButtonCount> tabSelected_{};
  std::array<bool, kButtonCount> markerLit_{};
  int currentSlot_ = -1;
  Timers::Id markerTimer_ = 0;
  Timers::Id linesTimer_ = 0;
};

// The number a scroll-lines text stands for, 1-30: leading zeros are dropped,
// the leading digits read, anything from 30 up is 30. A text without a
// leading digit other than zero is 1.
int ScrollLinesFromText(std::string_view text);

}  // namespace n63k
