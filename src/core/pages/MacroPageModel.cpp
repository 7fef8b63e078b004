#include "core/pages/MacroPageModel.h"

#include <algorithm>
#include <charconv>

#include "core/base/Utf.h"
#include "core/buttons/KeyNames.h"
#include "core/i18n/StringKeys.h"
#include "core/macro/GameGroups.h"
#include "core/pages/MacroEditorRules.h"

namespace n63k {

using macro_page::Control;

namespace {

constexpr std::uint32_t kMostDelayValue = 0xFFFFFF;

EditorItemType TypeOf(std::uint32_t item) {
  return static_cast<EditorItemType>(item >> 24);
}

bool IsKey(std::uint32_t item) {
  return TypeOf(item) == EditorItemType::kKeyDown || TypeOf(item) == EditorItemType::kKeyUp;
}

bool IsDelay(std::uint32_t item) {
  return TypeOf(item) == EditorItemType::kDelay;
}

// A text of decimal digits only, as a number; none for anything else.
std::optional<std::uint64_t> WholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 18 ||
      !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::uint32_t MergedDelay(std::uint32_t a, std::uint32_t b) {
  return std::min(a + b, kMostMergedDelayMs);
}

}  // namespace

MacroPageModel::MacroPageModel(MacroPageSettings settings) : settings_(std::move(settings)) {
  timer_ = settings_.timers.Start(macro_page::kLoopTimerMs, [this] { NormaliseLoopField(); });
}

MacroPageModel::~MacroPageModel() {
  settings_.timers.Stop(timer_);
  if (keyTarget_ != nullptr && settings_.hooks.captureTarget() == keyTarget_) {
    CaptureOff();
  }
}

void MacroPageModel::Notify(MacroPagePart part) {
  if (observer_ != nullptr) {
    observer_->MacroPageChanged(part);
  }
}

void MacroPageModel::FinishRename() {
  if (observer_ != nullptr) {
    observer_->FinishRename();
  }
}

bool MacroPageModel::ChineseUi() const {
  return settings_.localisation.chineseUi;
}

void MacroPageModel::ListGroup(int group) {
  FinishRename();
  if (recording_) {
    // The listing replaces the event list that the recording fills.
    StopRecording();
  }
  CancelEdit();
  group_ = group;
  macros_ = settings_.table.ListMacrosOfGroup(group);
  selectedMacro_ = static_cast<int>(macros_.size()) - 1;
  Notify(MacroPagePart::kMacroList);
  ShowEvents(selectedMacro_);
}

void MacroPageModel::RefreshMacros() {
  if (recording_ || mode_ != EditMode::kIdle) {
    refreshPending_ = true;
    return;
  }
  refreshPending_ = false;
  RelistKeeping(selectedMacro_ >= 0 ? macros_[static_cast<std::size_t>(selectedMacro_)].identifier
                                    : 0);
}

void MacroPageModel::RelistKeeping(std::uint32_t identifier) {
  // The rename goes to the macro it was begun on, while the rows are still
  // the ones it was begun in.
  FinishRename();
  // Macros made here but not stored yet stay listed.
  std::vector<MacroListItem> unsaved;
  for (const MacroListItem& item : macros_) {
    if (settings_.table.FindMacro(item.identifier) == nullptr) {
      unsaved.push_back(item);
    }
  }
  macros_ = settings_.table.ListMacrosOfGroup(group_);
  macros_.insert(macros_.end(), unsaved.begin(), unsaved.end());
  const auto kept = std::ranges::find(macros_, identifier, &MacroListItem::identifier);
  selectedMacro_ = kept != macros_.end() ? static_cast<int>(kept - macros_.begin())
                                         : static_cast<int>(macros_.size()) - 1;
  Notify(MacroPagePart::kMacroList);
  ShowEvents(selectedMacro_);
}

void MacroPageModel::ShowEvents(int index) {
  if (index < 0 || index >= static_cast<int>(macros_.size())) {
    events_.clear();
    selectedEvent_ = -1;
    Notify(MacroPagePart::kEvents);
    return;
  }
  events_.clear();
  const std::uint32_t identifier = macros_[static_cast<std::size_t>(index)].identifier;
  for (const MacroRecord& slot : settings_.table.Slots()) {
    if (slot.identifier != identifier) {
      continue;
    }
    SetLoopText(slot.loopCount == kSingleKeyLoop ? "1" : std::to_string(slot.loopCount));
    for (const MacroEvent event : EventsOf(slot)) {
      const auto kind = static_cast<MacroEventKind>(EventKind(event));
      if (kind == MacroEventKind::kKeyUp) {
        events_.push_back(MakeEditorItem(EditorItemType::kKeyUp, EventValue(event)));
      } else if (kind == MacroEventKind::kKeyDown) {
        events_.push_back(MakeEditorItem(EditorItemType::kKeyDown, EventValue(event)));
      } else if (kind == MacroEventKind::kDelay) {
        events_.push_back(MakeEditorItem(EditorItemType::kDelay, EventValue(event)));
      } else {
        break;
      }
    }
  }
  selectedEvent_ = static_cast<int>(events_.size()) - 1;
  Notify(MacroPagePart::kEvents);
}

std::string MacroPageModel::EventText(std::size_t index) const {
  const std::uint32_t item = events_.at(index);
  if (IsDelay(item)) {
    return std::to_string(EventValue(item)) + "  ms";
  }
  return std::string(GetMacroKeyName(EventValue(item)));
}

void MacroPageModel::SelectMacro(int index) {
  if (index == selectedMacro_) {
    return;
  }
  selectionChanging_ = true;
  CancelEdit();
  if (recording_) {
    StopRecording();
  }
  selectedMacro_ = index;
  ShowEvents(index);
  if (events_.empty()) {
    SetLoopText("1");
  }
  selectionChanging_ = false;
  Notify(MacroPagePart::kMacroList);
}

void MacroPageModel::SelectEvent(int index) {
  if (index == selectedEvent_) {
    return;
  }
  selectedEvent_ = index;
  CancelEdit();
}

std::uint32_t MacroPageModel::NewIdentifier() const {
  const auto group = static_cast<std::uint32_t>(group_) << 24;
  std::uint32_t identifier = NewMacroId(group_, settings_.clock);
  // Never the identifier of a stored macro or of one listed but not stored.
  while (settings_.table.FindMacro(identifier) != nullptr ||
         std::ranges::find(macros_, identifier, &MacroListItem::identifier) != macros_.end()) {
    identifier = group | ((identifier + 1) & 0xFFFFFFu);
  }
  return identifier;
}

void MacroPageModel::NewMacro() {
  if (recording_) {
    return;
  }
  CancelEdit();
  macros_.push_back({NewIdentifier(), std::string(NewMacroName(ChineseUi()))});
  selectedMacro_ = static_cast<int>(macros_.size()) - 1;
  Notify(MacroPagePart::kMacroList);
  if (observer_ != nullptr) {
    observer_->StartRename(selectedMacro_);
  }
  ShowEvents(-1);
  SetLoopText("1");
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::DeleteMacro() {
  if (recording_ || selectedMacro_ < 0) {
    return;
  }
  const std::uint32_t identifier = macros_[static_cast<std::size_t>(selectedMacro_)].identifier;
  std::optional<Outcome> outcome;
  settings_.holdData([&] {
    outcome =
        settings_.store.DeleteMacro(identifier, settings_.profiles.Entries(), settings_.current);
  });
  settings_.tell(*outcome);
  const bool inUse = std::ranges::any_of(
      outcome->notices(), [](const Notice& notice) { return notice.problem == Problem::kInUse; });
  if (inUse) {
    return;
  }
  macros_.erase(macros_.begin() + selectedMacro_);
  selectedMacro_ = -1;
  Notify(MacroPagePart::kMacroList);
  CancelEdit();
  ShowEvents(-1);
}

void MacroPageModel::RenameMacro(int index, const std::string& name) {
  if (index < 0 || index >= static_cast<int>(macros_.size())) {
    return;
  }
  MacroListItem& item = macros_[static_cast<std::size_t>(index)];
  item.name = name;
  for (const MacroRecord& slot : settings_.table.Slots()) {
    if (slot.identifier != item.identifier || !HoldsMacro(slot) || FixedText(slot.name) == name) {
      continue;
    }
    MacroRecord renamed = slot;
    SetFixedText(renamed.name, name);
    std::optional<Outcome> outcome;
    settings_.holdData([&] { outcome = settings_.store.StoreMacro(renamed); });
    settings_.tell(*outcome);
    // The first slot with the identifier is the one stored into; a damaged
    // copy further on is not a macro of its own.
    break;
  }
  // The list shows the new name already: its editor put it there.
}

void MacroPageModel::ToggleRecording() {
  const bool chinese = ChineseUi();
  if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kChangeKey) {
    settings_.messages.InfoBox(chinese ? "正在修改/插入一个键，无法录制"
                                       : "It is Modifying or inserting a button,you can not record",
                               false);
    return;
  }
  if (mode_ == EditMode::kInsertDelay || mode_ == EditMode::kChangeDelay) {
    settings_.messages.InfoBox(chinese ? "正在修改/插入一个延时，无法录制"
                                       : "It is Modifying or inserting a delay,you can not record",
                               false);
    return;
  }
  CaptureOff();
  HidePanel();
  if (recording_) {
    StopRecording();
  } else if (selectedMacro_ >= 0) {
    StartRecording();
  }
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::StartRecording() {
  recordedMacro_ = macros_[static_cast<std::size_t>(selectedMacro_)].identifier;
  events_.clear();
  selectedEvent_ = -1;
  recordedKeys_ = 0;
  lastTick_ = 0;
  recording_ = true;
  CaptureKeys();
  Notify(MacroPagePart::kEvents);
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::StopRecording() {
  CaptureOff();
  Store();
  recording_ = false;
  Notify(MacroPagePart::kEvents);
  Notify(MacroPagePart::kControls);
  if (refreshPending_ && !selectionChanging_) {
    RefreshMacros();
  }
}

void MacroPageModel::CaptureKeys() {
  if (keyTarget_ != nullptr) {
    settings_.hooks.SetCaptureTarget(keyTarget_);
  }
  settings_.hooks.SetInputCapture(true, false);
}

void MacroPageModel::CaptureOff() {
  settings_.hooks.SetInputCapture(false, false);
}

void MacroPageModel::CapturedInput(std::uint32_t key, std::uint32_t flags) {
  const bool release = (flags & key_flag::kRelease) != 0;
  if (key == memoryKey_ && release == memoryRelease_) {
    return;
  }
  if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kChangeKey) {
    keyFieldText_ = GetMacroKeyName(key);
    capturedKey_ = key;
    Notify(MacroPagePart::kControls);
    return;
  }
  // A key queued before the recording stopped must not land in the list.
  if (!recording_ || recordedKeys_ >= static_cast<int>(kMostRecordedKeys)) {
    return;
  }
  if (!delayToggle_) {
    const auto tick = static_cast<std::uint32_t>(settings_.clock.NowMs());
    if (lastTick_ != 0) {
      events_.push_back(MakeEditorItem(EditorItemType::kDelay, tick - lastTick_));
    }
    lastTick_ = tick;
  }
  events_.push_back(
      MakeEditorItem(release ? EditorItemType::kKeyUp : EditorItemType::kKeyDown, key));
  selectedEvent_ = static_cast<int>(events_.size()) - 1;
  ++recordedKeys_;
  memoryKey_ = key;
  memoryRelease_ = release;
  Notify(MacroPagePart::kEvents);
}

void MacroPageModel::PressPicture(std::uint32_t key, bool pressed) {
  if (recording_ || mode_ == EditMode::kInsertKey || mode_ == EditMode::kChangeKey) {
    CapturedInput(key, pressed ? 0 : key_flag::kRelease);
  }
}

void MacroPageModel::ClickDelayToggle() {
  delayToggle_ = !delayToggle_;
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::HidePanel() {
  keyOptionShown_ = keyOptionOn_ = keyFieldShown_ = false;
  delayOptionShown_ = delayOptionOn_ = delayFieldShown_ = false;
  keyFieldText_.clear();
  delayFieldText_.clear();
}

void MacroPageModel::CancelEdit() {
  if (mode_ == EditMode::kIdle) {
    return;
  }
  CaptureOff();
  HidePanel();
  mode_ = EditMode::kIdle;
  Notify(MacroPagePart::kControls);
  if (refreshPending_ && !selectionChanging_) {
    RefreshMacros();
  }
}

void MacroPageModel::ClickInsert() {
  if (recording_) {
    return;
  }
  mode_ = EditMode::kInsertKey;
  keyOptionShown_ = true;
  delayOptionShown_ = true;
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::ClickKeyOption() {
  if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kInsertDelay) {
    mode_ = EditMode::kInsertKey;
  }
  keyOptionOn_ = true;
  delayOptionOn_ = false;
  keyFieldText_.clear();
  keyFieldShown_ = true;
  delayFieldShown_ = false;
  capturedKey_ = 0;
  CaptureKeys();
  Notify(MacroPagePart::kControls);
}

void MacroPageModel::ClickDelayOption() {
  if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kInsertDelay) {
    mode_ = EditMode::kInsertDelay;
  }
  keyOptionOn_ = false;
  delayOptionOn_ = true;
  delayFieldText_.clear();
  delayFieldShown_ = true;
  keyFieldShown_ = false;
  CaptureOff();
  Notify(MacroPagePart::kControls);
  if (observer_ != nullptr) {
    observer_->FocusControl(Control::kDelayField);
  }
}

void MacroPageModel::ClickModify() {
  if (recording_) {
    return;
  }
  CaptureOff();
  if (selectedEvent_ < 0) {
    return;
  }
  mode_ = EditMode::kChangeKey;
  const std::uint32_t item = events_[static_cast<std::size_t>(selectedEvent_)];
  std::optional<Control> focus;
  if (IsKey(item)) {
    capturedKey_ = 0;
    CaptureKeys();
    keyOptionShown_ = keyOptionOn_ = keyFieldShown_ = true;
    keyFieldText_.clear();
    delayOptionShown_ = delayOptionOn_ = delayFieldShown_ = false;
    focus = Control::kKeyField;
  } else if (IsDelay(item)) {
    mode_ = EditMode::kChangeDelay;
    delayOptionShown_ = delayOptionOn_ = delayFieldShown_ = true;
    delayFieldText_.clear();
    keyOptionShown_ = keyOptionOn_ = keyFieldShown_ = false;
    focus = Control::kDelayField;
  }
  Notify(MacroPagePart::kControls);
  if (focus && observer_ != nullptr) {
    observer_->FocusControl(*focus);
  }
}

void MacroPageModel::ClickKeyOk() {
  if (mode_ == EditMode::kInsertKey) {
    InsertEvent();
  } else if (mode_ == EditMode::kChangeKey) {
    ChangeEvent();
  }
  AfterEdit(Control::kKeyOk);
}

void MacroPageModel::ClickDelayOk() {
  if (mode_ == EditMode::kInsertDelay) {
    InsertEvent();
  } else if (mode_ == EditMode::kChangeDelay) {
    ChangeEvent();
  }
  AfterEdit(Control::kDelayOk);
}

void MacroPageModel::AfterEdit(Control okButton) {
  Store();
  CaptureOff();
  HidePanel();
  mode_ = EditMode::kIdle;
  Notify(MacroPagePart::kEvents);
  Notify(MacroPagePart::kControls);
  if (observer_ != nullptr) {
    observer_->FocusControl(okButton);
  }
  if (refreshPending_) {
    RefreshMacros();
  }
}

void MacroPageModel::InsertEvent() {
  const int s = selectedEvent_;
  if (s < 0) {
    return;
  }
  const auto at = events_.begin() + s;
  if (mode_ == EditMode::kInsertKey) {
    if (capturedKey_ != 0) {
      events_.insert(at, {MakeEditorItem(EditorItemType::kKeyDown, capturedKey_),
                          MakeEditorItem(EditorItemType::kKeyUp, capturedKey_)});
      // The pair goes in one item after the other, each selected as it comes.
      selectedEvent_ = s + 1;
    }
    return;
  }
  const std::optional<std::uint64_t> typed = WholeNumber(delayFieldText_);
  if (!typed || s == 0) {
    return;
  }
  const auto delay = static_cast<std::uint32_t>(*typed & kMostDelayValue);
  std::uint32_t& before = events_[static_cast<std::size_t>(s - 1)];
  std::uint32_t& selected = events_[static_cast<std::size_t>(s)];
  // The delay that took the time is selected, as is a new one.
  if (IsDelay(before)) {
    before = MakeEditorItem(EditorItemType::kDelay, MergedDelay(EventValue(before), delay));
    selectedEvent_ = s - 1;
  } else if (IsDelay(selected)) {
    selected = MakeEditorItem(EditorItemType::kDelay, MergedDelay(EventValue(selected), delay));
  } else {
    events_.insert(at, MakeEditorItem(EditorItemType::kDelay, delay));
  }
}

void MacroPageModel::ChangeEvent() {
  if (selectedEvent_ < 0) {
    return;
  }
  std::uint32_t& item = events_[static_cast<std::size_t>(selectedEvent_)];
  if (IsKey(item)) {
    if (capturedKey_ != 0) {
      item = MakeEditorItem(TypeOf(item), capturedKey_);
    }
  } else if (IsDelay(item)) {
    if (const std::optional<std::uint64_t> typed = WholeNumber(delayFieldText_)) {
      item = MakeEditorItem(
          EditorItemType::kDelay,
          static_cast<std::uint32_t>(std::min<std::uint64_t>(*typed, kMostDelayValue)));
    }
  }
}

void MacroPageModel::ClickDeleteEvent() {
  if (recording_ || selectedEvent_ < 0) {
    return;
  }
  events_.erase(events_.begin() + selectedEvent_);
  // The list selects nothing after a removal: a second click removes nothing.
  selectedEvent_ = -1;
  if (!events_.empty()) {
    Store();
  }
  Notify(MacroPagePart::kEvents);
}

void MacroPageModel::Store() {
  if (events_.empty()) {
    return;
  }
  std::uint32_t identifier = recordedMacro_;
  if (!recording_) {
    if (selectedMacro_ < 0) {
      return;
    }
    identifier = macros_[static_cast<std::size_t>(selectedMacro_)].identifier;
  }
  const std::size_t countBeforeMerge = events_.size();
  MergeAdjacentDelays(events_, selectedEvent_);
  const std::optional<MacroRecord> record =
      ComposeMacroRecord(countBeforeMerge, events_, loopText_, identifier, NameOf(identifier));
  if (!record) {
    return;
  }
  std::optional<Outcome> outcome;
  settings_.holdData([&] { outcome = settings_.store.StoreMacro(*record); });
  settings_.tell(*outcome);
}

std::string MacroPageModel::NameOf(std::uint32_t identifier) const {
  const auto listed = std::ranges::find(macros_, identifier, &MacroListItem::identifier);
  if (listed != macros_.end()) {
    return listed->name;
  }
  if (const MacroRecord* stored = settings_.table.FindMacro(identifier)) {
    return FixedText(stored->name);
  }
  return std::string(NewMacroName(ChineseUi()));
}

void MacroPageModel::SetLoopText(std::string text) {
  if (text != loopText_) {
    loopText_ = std::move(text);
    Notify(MacroPagePart::kControls);
  }
}

void MacroPageModel::EditLoopText(const std::string& text) {
  loopText_ = text.substr(0, macro_page::kLoopFieldDigits);
  if (!selectionChanging_ && !normalising_) {
    Store();
  }
}

void MacroPageModel::EditDelayText(const std::string& text) {
  delayFieldText_ = text;
}

void MacroPageModel::NormaliseLoopField() {
  normalising_ = true;
  const std::size_t digits = loopText_.find_first_not_of('0');
  std::string stripped = digits == std::string::npos ? std::string() : loopText_.substr(digits);
  if (stripped != loopText_) {
    normalising_ = false;
    SetLoopText(stripped);
    Store();
  }
  const std::optional<std::uint64_t> typed = WholeNumber(loopText_);
  std::string ranged;
  if (!typed || *typed == 0) {
    ranged = "1";
  } else if (*typed > kMaxLoopCount) {
    ranged = std::to_string(kMaxLoopCount);
  }
  if (!ranged.empty()) {
    normalising_ = false;
    SetLoopText(ranged);
    Store();
  }
  normalising_ = false;
}

void MacroPageModel::StopInputCapture() {
  if (recording_) {
    ToggleRecording();
  }
  CancelEdit();
}

std::vector<PopupMenuItem> MacroPageModel::GroupMenuItems() const {
  std::vector<PopupMenuItem> items;
  for (int group = kFirstGroup; group <= kLastGroup; ++group) {
    items.push_back(MakePopupMenuItem(static_cast<std::uint32_t>(group),
                                      GetGroupText(group, GroupTextPlace::kMenu, ChineseUi())));
  }
  return items;
}

Point MacroPageModel::GroupMenuPoint() const {
  const Rect button = macro_page::RectOf(Control::kGroupButton, ChineseUi());
  return {button.left + 1, button.bottom + 1};
}

void MacroPageModel::OpenGroupMenu() {
  menuOpen_ = true;
  Notify(MacroPagePart::kGroupMenu);
}

void MacroPageModel::CloseGroupMenu() {
  if (menuOpen_) {
    menuOpen_ = false;
    Notify(MacroPagePart::kGroupMenu);
  }
}

void MacroPageModel::PickGroupMenu(std::uint32_t command) {
  CloseGroupMenu();
  SelectGroup(static_cast<int>(command & 0xFFFFu));
}

void MacroPageModel::SelectGroup(int group) {
  ListGroup(group);
  Notify(MacroPagePart::kControls);
}

std::string MacroPageModel::GroupCaption() const {
  return std::string(GetGroupText(group_, GroupTextPlace::kCaption, ChineseUi()));
}

std::string MacroPageModel::RecordCaption() const {
  if (ChineseUi()) {
    return recording_ ? "停止录制" : "开始录制";
  }
  return recording_ ? "Stop Record" : "Start Record";
}

std::string MacroPageModel::Tooltip(Control control) const {
  const std::optional<StringKey>& key = macro_page::PlaceOf(control).tooltip;
  return key ? settings_.localisation.texts.Get(*key) : std::string();
}

std::string MacroPageModel::Caption(Control control) const {
  const TextTable& texts = settings_.localisation.texts;
  switch (control) {
    case Control::kGroupButton:
      return GroupCaption();
    case Control::kRecord:
      return RecordCaption();
    case Control::kGroupZone:
    case Control::kMacroList:
      return texts.Get("str_marco_list");
    case Control::kEventZone:
    case Control::kEventList:
      return texts.Get("str_key_list");
    case Control::kDelayToggle:
      return texts.Get("str_macro_delay");
    case Control::kKeyOption:
    case Control::kKeyField:
      return texts.Get("str_macro_msg6");
    case Control::kDelayOption:
    case Control::kDelayField:
      return texts.Get("str_macro_msg7");
    case Control::kKeyOk:
    case Control::kDelayOk:
      return texts.Get("str_ok");
    case Control::kLoopField:
      return texts.Get("str_macro_loop");
    default:
      return {};
  }
}

std::string MacroPageModel::AccessibleName(Control control) const {
  std::string caption = Caption(control);
  return caption.empty() ? Tooltip(control) : caption;
}

bool MacroPageModel::Shown(Control control) const {
  switch (control) {
    case Control::kKeyOption:
      return keyOptionShown_;
    case Control::kKeyField:
    case Control::kKeyOk:
      return keyFieldShown_;
    case Control::kDelayOption:
      return delayOptionShown_;
    case Control::kDelayField:
    case Control::kDelayOk:
      return delayFieldShown_;
    default:
      return true;
  }
}

bool MacroPageModel::OptionOn(Control option) const {
  return option == Control::kKeyOption ? keyOptionOn_ : delayOptionOn_;
}

void MacroPageModel::MouseMove(Point point) {
  const bool chinese = ChineseUi();
  for (const macro_page::Place& place : macro_page::kPlaces) {
    // A hidden control shows no hint.
    if (place.hint == 0 || !Shown(place.control)) {
      continue;
    }
    const Rect rect = chinese ? place.chinese : place.other;
    if (rect.Grown(1).Contains(point)) {
      settings_.showHint(place.control == Control::kRecord && recording_
                             ? macro_page::kRecordingHint
                             : place.hint);
    }
  }
}

void MacroPageModel::ReapplyCaptions() {
  Notify(MacroPagePart::kControls);
}

}  // namespace n63k
