#include "core/pages/MainWindowModel.h"

#include <array>
#include <optional>
#include <utility>

#include "core/base/Utf.h"

namespace n63k {
namespace {

// The keys of hints 1-18, then of hints 26-90; 19-25 are the buttons'
// captions.
constexpr int kLastKeyHint = 18;
constexpr int kFirstCaptionHint = 19;
constexpr int kLastCaptionHint = 25;
constexpr int kLastHint = 90;
constexpr std::array<StringKey, 83> kHintKeys = {
    "str_main",
    "str_led_title",
    "str_macro_manager",
    "str_sts",
    "str_about",
    "str_profile1",
    "str_profile2",
    "str_profile3",
    "str_profile4",
    "str_profile5",
    "str_ok",
    "str_dpiwant",
    "str_mouseSpeed",
    "str_improveAccuracy",
    "str_sheight",
    "str_rollingrate",
    "str_rollerColumn",
    "str_rollerScreen",
    // 26
    "str_ledspe",
    "str_led_apmbre",
    "str_led_off",
    "str_led_norbre",
    "str_led_frequency",
    "str_led_brealways",
    "str_led_brightness",
    "str_led_symphony",
    "str_led_changeClolor",
    "str_led_setColor",
    "str_led_symphonySpeed",
    "str_led_body_on",
    "str_led_body_off",
    "str_led_custom",
    "str_new_macro",
    "str_del_macro",
    "str_macro_new",
    "str_macro_del",
    "str_macro_modify",
    "str_macro_start",
    "str_macro_end",
    "str_macro_delay",
    "str_macro_loop",
    "str_click",
    "str_middle",
    "str_menu",
    "str_macro_msg6",
    "str_macro_msg7",
    "str_cups",
    "str_resetSts",
    "str_update",
    "str_korvuWeb",
    "str_importFile",
    "str_exportFile",
    "str_defaultname",
    "str_dpi_setting",
    "str_sensor",
    "str_usbrate",
    "str_windows_scroll",
    "str_mouse_key",
    "str_panel",
    "str_cur_function",
    "str_key_com",
    "str_macro_set",
    "str_basic",
    "str_advance",
    "str_disable",
    "str_default_setting",
    "str_browse",
    "str_backlight",
    "str_breath_speed",
    "str_multicolor1",
    "str_multicolor2",
    "str_multicolor3",
    "str_proximity_sensing",
    "str_color_setting",
    "str_cur_color",
    "str_choose_color",
    "str_preset_color",
    "str_custom_color",
    "str_macro_choose",
    "str_marco_list",
    "str_key_list",
    "str_driver_version",
    "str_firmware_version",
};
static_assert(kHintKeys.size() == kLastKeyHint + (kLastHint - kLastCaptionHint));

constexpr int kMacroTab = 3;

}  // namespace

MainWindowModel::MainWindowModel(MainWindowSettings settings, FunctionAssignment& captions,
                                 PageHooks& pages, ProfileWrites& writes)
    : settings_(std::move(settings)), captions_(captions), pages_(pages), writes_(writes) {
  settings_.language.SetObserver(this);
}

MainWindowModel::~MainWindowModel() {
  settings_.language.SetObserver(nullptr);
}

void MainWindowModel::ClickTab(int tab) {
  if (tab < 1 || tab > main_window::kPageCount) {
    return;
  }
  if (tab != kMacroTab) {
    pages_.CloseGameMenu();
    pages_.StopRecording();
  }
  selectedTab_ = tab;
  Notify(MainWindowPart::kPages);
  if (tab == 1) {
    pages_.RefreshButtonPage();
  } else if (tab == 2) {
    pages_.RefreshLightingPage();
  }
}

void MainWindowModel::ClickProfile(int profile) {
  // While a write runs its outcome saves the current profile, so it must stay
  // the one that is being written.
  if (!ProfileControlsEnabled() || writing_ || profile < 1 ||
      profile > main_window::kProfileButtonCount) {
    return;
  }
  std::optional<ProfileSwitch> result;
  settings_.holdData([&] { result = settings_.profileTable.SwitchProfile(profile - 1); });
  // Told once the folder is free again: a box stays open as long as the user
  // likes.
  settings_.tell(result->outcome);
  Notify(MainWindowPart::kProfiles);
  if (result->switched) {
    pages_.RefreshButtonPage();
    pages_.RefreshLightingPage();
  }
}

void MainWindowModel::PressApply() {
  if (!ProfileControlsEnabled()) {
    return;
  }
  pages_.NormaliseLoopField();
  if (settings_.profileFiles.Current().wheelScrollLines != -1) {
    pages_.ApplyScrollLinesText();
  }
  StartWrite();
}

void MainWindowModel::RestoreDefaults(ButtonMacroIds& macroIds) {
  settings_.profileFiles.RestoreDefaults(macroIds);
  pages_.RefreshButtonPage();
  pages_.RefreshLightingPage();
  StartWrite();
}

void MainWindowModel::ProfileImported() {
  pages_.RefreshButtonPage();
  pages_.RefreshLightingPage();
}

void MainWindowModel::StartWrite() {
  if (writing_) {
    return;
  }
  if (!settings_.profileTable.CurrentIsStored()) {
    settings_.messages.InfoBox(settings_.localisation.chineseUi
                                   ? "当前配置既无法读取也无法创建，没有写入鼠标。"
                                   : "The current profile can be neither read nor created, so "
                                     "nothing was written to the mouse.",
                               false);
    return;
  }
  // Busy before the request: showing the progress window may run the event
  // loop, and the outcome can arrive before StartWrite returns.
  writing_ = true;
  Notify(MainWindowPart::kApply);
  if (!writes_.StartWrite()) {
    writing_ = false;
    Notify(MainWindowPart::kApply);
  }
}

void MainWindowModel::SyncDone() {
  if (!writing_) {
    return;
  }
  SaveWrittenProfile();
  FinishWriting();
}

void MainWindowModel::SyncFailed(SyncFailure failure) {
  if (!writing_) {
    return;
  }
  settings_.messages.InfoBox(
      std::string(SyncFailureText(failure, settings_.localisation.chineseUi)), false);
  FinishWriting();
}

void MainWindowModel::SaveWrittenProfile() {
  bool savedOver = false;
  std::optional<Outcome> saved;
  settings_.holdData([&] {
    savedOver = settings_.outside != nullptr && settings_.outside->Look().profiles;
    saved = settings_.profileTable.SaveProfileTable();
    if (settings_.outside != nullptr) {
      settings_.outside->KeepOwnProfiles();
    }
  });
  settings_.tell(*saved);
  if (savedOver && saved->ok()) {
    settings_.messages.InfoBox(
        std::string(SavedOverOutsideChangeText(settings_.localisation.chineseUi)), false);
  }
}

void MainWindowModel::FinishWriting() {
  writing_ = false;
  writes_.FinishWrite();
  Notify(MainWindowPart::kApply);
  if (lookAfterWrite_) {
    DataFolderChanged();
  }
}

void MainWindowModel::DataFolderChanged() {
  if (settings_.outside == nullptr) {
    return;
  }
  // The worker reads the macros and the profile while it writes.
  lookAfterWrite_ = writing_;
  // A change noticed while the question is open is looked at once it closes.
  if (writing_ || looking_) {
    lookAgain_ = looking_;
    return;
  }
  looking_ = true;
  do {
    lookAgain_ = false;
    TakeOutsideChanges(*settings_.outside);
  } while (lookAgain_);
  looking_ = false;
}

void MainWindowModel::TakeOutsideChanges(OutsideChanges& outside) {
  OutsideChanges::Found found;
  settings_.holdData([&] {
    found = outside.Look();
    if (found.macros) {
      outside.TakeMacros();
    }
  });
  if (found.macros) {
    pages_.RefreshMacroPage();
  }
  if (!found.profiles) {
    return;
  }
  if (found.unsavedHere &&
      settings_.messages.InfoBox(OutsideChangeQuestion(settings_.profileTable.CurrentIndex() + 1,
                                                       settings_.localisation.chineseUi),
                                 true) != InfoAnswer::kOk) {
    settings_.holdData([&] { outside.KeepOwnProfiles(); });
    return;
  }
  std::optional<Outcome> taken;
  settings_.holdData([&] { taken = outside.TakeProfiles(); });
  settings_.tell(*taken);
  Notify(MainWindowPart::kProfiles);
  pages_.RefreshButtonPage();
  pages_.RefreshLightingPage();
}

void MainWindowModel::MouseMove(Point point) {
  if (!statusText_.empty()) {
    SetStatus({});
  }
  // Neighbouring slanted buttons share parts of their boxes: the shape under
  // the pointer decides there, and the margin around a shape still counts.
  int hint = 0;
  for (const main_window::RegionControl& control : main_window::kRegionControls) {
    if (control.shape.Bounds().Grown(1).Contains(point)) {
      hint = control.hint;
      if (control.shape.Contains(point)) {
        break;
      }
    }
  }
  if (hint != 0) {
    ShowHint(hint);
  }
}

void MainWindowModel::ShowHint(int hint) {
  SetStatus(HintText(hint));
}

void MainWindowModel::ShowNotice(std::string text) {
  SetStatus(std::move(text));
}

void MainWindowModel::ShowFromTray() {
  pages_.RefreshButtonPage();
  pages_.RefreshLightingPage();
  if (observer_ != nullptr) {
    observer_->ShowWindow();
  }
}

void MainWindowModel::TrayActivated(int mouseMessage) {
  if (mouseMessage == kTrayDoubleClick) {
    ShowFromTray();
  }
}

void MainWindowModel::ChooseExit() {
  if (observer_ != nullptr) {
    observer_->CloseProgram();
  }
}

void MainWindowModel::ToggleLoginStart() {
  LoginStart* loginStart = settings_.loginStart;
  if (loginStart != nullptr && !loginStart->SetEnabled(!loginStart->Enabled())) {
    settings_.messages.InfoBox(std::string(LoginStartFailedText(settings_.localisation.chineseUi)),
                               false);
  }
}

bool MainWindowModel::LoginStartEnabled() const {
  return settings_.loginStart != nullptr && settings_.loginStart->Enabled();
}

void MainWindowModel::PressClose() {
  pages_.CloseGameMenu();
  if (observer_ != nullptr) {
    observer_->HideWindow();
  }
  pages_.StopInputCapture();
}

void MainWindowModel::PressMinimise() {
  if (observer_ != nullptr) {
    observer_->MinimiseWindow();
  }
  pages_.StopInputCapture();
}

void MainWindowModel::PressLanguage() {
  settings_.language.SetMenuOpen(true);
  if (observer_ != nullptr) {
    observer_->OpenLanguageMenu();
  }
}

void MainWindowModel::PickLanguage(int number) {
  std::optional<Outcome> switched;
  settings_.holdData(
      [&] { switched = settings_.language.SwitchLanguage(number, LanguagePick::kMenu); });
  settings_.tell(*switched);
}

void MainWindowModel::LanguageMenuClosed() {
  settings_.language.SetMenuOpen(false);
}

void MainWindowModel::ReapplyCaptions() {
  Notify(MainWindowPart::kLanguage);
  pages_.ReapplyPageCaptions();
}

void MainWindowModel::CloseLanguageMenu() {
  if (observer_ != nullptr) {
    observer_->CloseLanguageMenu();
  }
}

bool MainWindowModel::ProfilePressed(int profile) const {
  if (profile < 1 || profile > kProfileCount) {
    return false;
  }
  return settings_.profileTable.ProfileButtons()[static_cast<std::size_t>(profile - 1)];
}

const std::string& MainWindowModel::Caption(std::size_t index) const {
  return settings_.localisation.texts.Get(main_window::kRegionControls.at(index).caption);
}

const skin_files::RegionLooks& MainWindowModel::RegionLooks() const {
  return settings_.localisation.chineseUi ? skin_files::kRegionChinese : skin_files::kRegionOther;
}

int MainWindowModel::FlagLanguage() const {
  return settings_.language.FlagLanguage();
}

std::string_view MainWindowModel::PlainButtonName(PlainButton button) const {
  const bool chinese = settings_.localisation.chineseUi;
  switch (button) {
    case PlainButton::kMinimise:
      return chinese ? "最小化" : "Minimise";
    case PlainButton::kClose:
      return chinese ? "关闭到托盘" : "Close to the tray";
    case PlainButton::kLanguage:
      return chinese ? "语言" : "Language";
  }
  return {};
}

void MainWindowModel::Notify(MainWindowPart part) {
  if (observer_ != nullptr) {
    observer_->Changed(part);
  }
}

void MainWindowModel::SetStatus(std::string text) {
  statusText_ = std::move(text);
  Notify(MainWindowPart::kStatus);
}

std::string MainWindowModel::HintText(int hint) {
  if (hint >= 1 && hint <= kLastKeyHint) {
    return settings_.localisation.texts.Get(kHintKeys[static_cast<std::size_t>(hint - 1)]);
  }
  if (hint >= kFirstCaptionHint && hint <= kLastCaptionHint) {
    const int slot = hint - kFirstCaptionHint;
    captions_.NormaliseCaption(slot);
    return FixedText(settings_.profileFiles.Current().buttons[slot].caption);
  }
  if (hint > kLastCaptionHint && hint <= kLastHint) {
    return settings_.localisation.texts.Get(
        kHintKeys[static_cast<std::size_t>(hint - kLastCaptionHint - 1 + kLastKeyHint)]);
  }
  return {};
}

}  // namespace n63k
