#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/Geometry.h"
#include "core/base/Outcome.h"
#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/buttons/InputHooks.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroStore.h"
#include "core/macro/MacroTable.h"
#include "core/pages/MacroPageLayout.h"
#include "core/pages/PopupMenuItems.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// What changed on the macro page.
enum class MacroPagePart {
  kMacroList,  // the macros listed or their selection
  kEvents,     // the event list or its selection
  kControls,   // shown, checked and enabled states, field texts, captions
  kGroupMenu,  // the group menu opened or closed
};

class MacroPageObserver {
 public:
  virtual ~MacroPageObserver() = default;
  virtual void MacroPageChanged(MacroPagePart part) = 0;
  // The in-place rename opens on the macro list's item.
  virtual void StartRename(int index) = 0;
  // A rename in place under way, if any, ends as Enter ends it, its name
  // reaching RenameMacro: the macro list is about to be filled again.
  virtual void FinishRename() = 0;
  // The control takes the keyboard focus.
  virtual void FocusControl(macro_page::Control control) = 0;
};

// The editor's modes.
enum class EditMode {
  kIdle = 0,
  kInsertKey = 1,
  kInsertDelay = 2,
  kChangeKey = 3,
  kChangeDelay = 4
};

struct MacroPageSettings {
  MacroTable& table;
  MacroStore& store;
  // For the in-use check before a delete: every profile's macros and the
  // current profile's buttons.
  const ProfileTable& profiles;
  const ProfileRecord& current;
  const Localisation& localisation;
  UserMessages& messages;
  // Shows what a save or a refused delete told: the program's TellUser.
  std::function<void(const Outcome&)> tell;
  Timers& timers;
  // The tick count of new identifiers and of recorded delays.
  const Clock& clock;
  InputHooks& hooks;
  std::function<void(int)> showHint;
  // Runs a change of the data folder while other writers are kept out.
  std::function<void(const std::function<void()>& change)> holdData =
      [](const std::function<void()>& change) { change(); };
};

// The macro page: the macros of the current game group, the events of the
// selected macro, the recorder and the panel that inserts or changes one
// event. Every change of the events or of the loop count is stored at once.
class MacroPageModel {
 public:
  explicit MacroPageModel(MacroPageSettings settings);
  MacroPageModel(const MacroPageModel&) = delete;
  MacroPageModel& operator=(const MacroPageModel&) = delete;
  ~MacroPageModel();

  void SetObserver(MacroPageObserver* observer) { observer_ = observer; }
  // Where captured keys go: the page's view, which queues them back to
  // CapturedInput on the window's thread.
  void SetKeyTarget(InputReceiver* target) { keyTarget_ = target; }

  // Lists the group's macros, the last one selected, and shows its events.
  void ListGroup(int group);
  // The data folder's macros were taken again: lists the group again, keeping
  // the selected macro. Waits while a recording or an edit runs.
  void RefreshMacros();

  // The user selects a row (-1: none).
  void SelectMacro(int index);
  void SelectEvent(int index);

  void NewMacro();
  void DeleteMacro();
  // The in-place rename of the macro list's row ended with `name`.
  void RenameMacro(int index, const std::string& name);

  void ToggleRecording();
  // A key event the hooks captured, or a press (flags 0) or release (0x80)
  // of a mouse picture.
  void CapturedInput(std::uint32_t key, std::uint32_t flags);
  // The left, middle or right picture (key 1, 4 or 2) pressed or released.
  void PressPicture(std::uint32_t key, bool pressed);
  void ClickDelayToggle();

  void ClickInsert();
  void ClickModify();
  void ClickDeleteEvent();
  void ClickKeyOption();
  void ClickDelayOption();
  void ClickKeyOk();
  void ClickDelayOk();
  // The user typed into a field.
  void EditLoopText(const std::string& text);
  void EditDelayText(const std::string& text);

  // The loop field's timer: strips leading zeros and brings it into range.
  void NormaliseLoopField();
  // The window hides or another page shows: the recording stops and stores,
  // an edit is cancelled.
  void StopInputCapture();

  void OpenGroupMenu();
  void CloseGroupMenu();
  // The group menu's item with `command` (1..21) was chosen.
  void PickGroupMenu(std::uint32_t command);
  void SelectGroup(int group);

  void MouseMove(Point point);
  // After a language switch: captions and the layout family.
  void ReapplyCaptions();

  // State as the view shows it.
  int Group() const { return group_; }
  const std::vector<MacroListItem>& Macros() const { return macros_; }
  int SelectedMacro() const { return selectedMacro_; }
  const std::vector<std::uint32_t>& Events() const { return events_; }
  std::string EventText(std::size_t index) const;
  int SelectedEvent() const { return selectedEvent_; }
  EditMode Mode() const { return mode_; }
  bool Recording() const { return recording_; }
  int RecordedKeys() const { return recordedKeys_; }
  bool ButtonsEnabled() const { return !recording_; }
  bool DelayToggleOn() const { return delayToggle_; }
  const std::string& LoopText() const { return loopText_; }
  const std::string& KeyFieldText() const { return keyFieldText_; }
  const std::string& DelayFieldText() const { return delayFieldText_; }
  bool Shown(macro_page::Control control) const;
  bool OptionOn(macro_page::Control option) const;
  bool GroupMenuOpen() const { return menuOpen_; }
  bool ChineseUi() const;

  std::string GroupCaption() const;
  std::string RecordCaption() const;
  // The control's tooltip in the interface language; empty for none.
  std::string Tooltip(macro_page::Control control) const;
  // The text shown on or beside a control; empty for a control that shows a
  // picture only.
  std::string Caption(macro_page::Control control) const;
  // What screen readers call the control: its caption, else its tooltip.
  std::string AccessibleName(macro_page::Control control) const;
  std::vector<PopupMenuItem> GroupMenuItems() const;
  // Where the group menu opens, in page pixels.
  Point GroupMenuPoint() const;

 private:
  void Notify(MacroPagePart part);
  void FinishRename();
  void ShowEvents(int index);
  void CancelEdit();
  void HidePanel();
  void CaptureKeys();
  void CaptureOff();
  void StartRecording();
  void StopRecording();
  void Store();
  void SetLoopText(std::string text);
  void InsertEvent();
  void ChangeEvent();
  void AfterEdit(macro_page::Control okButton);
  std::uint32_t NewIdentifier() const;
  std::string NameOf(std::uint32_t identifier) const;
  void RelistKeeping(std::uint32_t identifier);

  MacroPageSettings settings_;
  MacroPageObserver* observer_ = nullptr;
  InputReceiver* keyTarget_ = nullptr;
  Timers::Id timer_ = 0;

  int group_ = 21;
  std::vector<MacroListItem> macros_;
  int selectedMacro_ = -1;
  std::vector<std::uint32_t> events_;
  int selectedEvent_ = -1;
  EditMode mode_ = EditMode::kIdle;
  bool recording_ = false;
  // The macro a running recording goes into, whatever the list shows.
  std::uint32_t recordedMacro_ = 0;
  int recordedKeys_ = 0;
  std::uint32_t lastTick_ = 0;
  std::uint32_t capturedKey_ = 0;
  bool selectionChanging_ = false;
  bool normalising_ = false;
  // Kept for the whole run: an auto-repeated key is recorded once.
  std::uint32_t memoryKey_ = 0;
  bool memoryRelease_ = false;
  bool delayToggle_ = false;
  std::string loopText_ = "1";
  std::string keyFieldText_;
  std::string delayFieldText_;
  bool keyOptionShown_ = false;
  bool keyOptionOn_ = false;
  bool keyFieldShown_ = false;
  bool delayOptionShown_ = false;
  bool delayOptionOn_ = false;
  bool delayFieldShown_ = false;
  bool menuOpen_ = false;
  bool refreshPending_ = false;
};

}  // namespace n63k
