#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/base/Geometry.h"
#include "core/base/Outcome.h"
#include "core/base/UserMessages.h"
#include "core/device/SyncFailure.h"
#include "core/i18n/InterfaceLanguage.h"
#include "core/pages/FunctionAssignment.h"
#include "core/pages/LoginStart.h"
#include "core/pages/MainWindowLayout.h"
#include "core/pages/OutsideChanges.h"
#include "core/pages/PageHooks.h"
#include "core/pages/SkinFiles.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// The window's title, also the tray icon's tip and its balloon's text.
inline constexpr std::string_view kMainWindowTitle = "Korvu N63K Gaming Mouse Driver";
inline constexpr std::string_view kTrayBalloonTitle = "Running";
inline constexpr std::string_view kTrayConfig = "Config";
inline constexpr std::string_view kTrayExit = "Exit";

// The main window's buttons without a caption.
enum class PlainButton { kMinimise, kClose, kLanguage };

// What of the main window changed, so that its view redraws that part.
enum class MainWindowPart {
  kPages,     // the selected tab, the visible page, which buttons take clicks
  kProfiles,  // which profile button looks pressed
  kApply,     // whether Apply looks pressed
  kStatus,    // the status line's text
  kLanguage,  // captions, the buttons' looks and the flag
};

// The main window's view: redraws, and what only a window can do.
class MainWindowObserver {
 public:
  virtual ~MainWindowObserver() = default;
  virtual void Changed(MainWindowPart part) = 0;
  virtual void ShowWindow() = 0;  // shown, raised, brought to the front
  virtual void HideWindow() = 0;  // to the tray; the program goes on
  virtual void MinimiseWindow() = 0;
  // The program ends: the start-up's owner runs the shut-down.
  virtual void CloseProgram() = 0;
  virtual void OpenLanguageMenu() = 0;
  virtual void CloseLanguageMenu() = 0;
};

// Writing the current profile to the mouse, as the program wires it: take a
// snapshot, tell about missing macros, hand it to the worker, show the
// progress window. The worker's outcome comes back through
// MainWindowModel::SyncDone or SyncFailed, on the window thread.
class ProfileWrites {
 public:
  virtual ~ProfileWrites() = default;
  // False when no write was started (no worker runs); nothing then comes back.
  virtual bool StartWrite() = 0;
  // The outcome has been handled: the worker may take the next request.
  virtual void FinishWrite() = 0;
};

// What the main window reads and changes of the program's settings.
struct MainWindowSettings {
  ProfileTable& profileTable;
  ProfileFiles& profileFiles;
  InterfaceLanguage& language;
  const Localisation& localisation;
  UserMessages& messages;
  // Shows the user what an operation told, in the current language: the
  // program's TellUser.
  std::function<void(const Outcome&)> tell;
  // Runs a change of the data folder's files while other writers (n63kctl)
  // are kept out of it; by default the change simply runs.
  std::function<void(const std::function<void()>& change)> holdData =
      [](const std::function<void()>& change) { change(); };
  // Tells changes that another program saves in the data folder from the
  // window's own; none when the window does not follow them.
  OutsideChanges* outside = nullptr;
  // The desktop's start at login; none where the program cannot set it.
  LoginStart* loginStart = nullptr;
};

// The main window: page tabs, profile buttons, Apply, the status line's
// hints, the tray's and the window buttons' commands, the language.
class MainWindowModel final : public LanguageObserver {
 public:
  // Follows the language of `settings` while it lives. `captions` brings a
  // slot's default caption into the current language for the hints.
  MainWindowModel(MainWindowSettings settings, FunctionAssignment& captions, PageHooks& pages,
                  ProfileWrites& writes);
  ~MainWindowModel() override;
  MainWindowModel(const MainWindowModel&) = delete;
  MainWindowModel& operator=(const MainWindowModel&) = delete;

  void SetObserver(MainWindowObserver* observer) { observer_ = observer; }

  // The pages exist: the window selects page 1.
  void PagesCreated() { ClickTab(1); }

  // Tabs 1-5.
  void ClickTab(int tab);
  // Profile buttons 1-5: switch without writing.
  void ClickProfile(int profile);
  void PressApply();
  // The support page's restore defaults: the defaults replace the current
  // profile in memory with no macro on any button, the button and lighting
  // pages show them, and they go to the mouse as Apply sends, unless a write
  // runs. They reach the disk only after the mouse took them.
  void RestoreDefaults(ButtonMacroIds& macroIds);
  // The support page imported a profile into the current record: the button
  // and lighting pages show it as after restoring the defaults, so that the
  // button page's scroll-lines text is the imported one. Nothing is written.
  void ProfileImported();
  // The worker's outcome, on the window thread.
  void SyncDone();
  void SyncFailed(SyncFailure failure);

  // Files of the data folder changed on disk. What another program saved is
  // taken when the window holds no unsaved change of its own; otherwise the
  // user chooses. While a write runs, the look waits for its outcome.
  void DataFolderChanged();

  // The pointer moved over the window (window pixels).
  void MouseMove(Point point);
  // Shows hint `hint` in the status line; any number without a hint empties it.
  void ShowHint(int hint);
  // A word of the program in the status line, until the pointer next moves
  // over the window.
  void ShowNotice(std::string text);

  // Tray: a double click on the icon, "Config" in its menu, or a second copy
  // of the program asking to be shown.
  void ShowFromTray();
  // The mouse message the tray icon reports; 515 is the double click.
  void TrayActivated(int mouseMessage);
  void ChooseExit();
  // The tray menu's "Start at login": turns it over.
  void ToggleLoginStart();
  // Whether the tray menu offers it, and shows it checked.
  bool LoginStartOffered() const { return settings_.loginStart != nullptr; }
  bool LoginStartEnabled() const;
  std::string_view LoginStartText() const {
    return LoginStartCaption(settings_.localisation.chineseUi);
  }
  // The close button and Alt+F4.
  void PressClose();
  void PressMinimise();
  // The language button opens the language menu.
  void PressLanguage();
  // The menu reports a language number (1-12); the switch closes the menu.
  void PickLanguage(int number);
  // The menu has closed, with or without a pick.
  void LanguageMenuClosed();

  // LanguageObserver
  void ReapplyCaptions() override;
  void CloseLanguageMenu() override;

  int SelectedTab() const { return selectedTab_; }
  // Profile buttons and Apply take clicks only on pages 1 and 2.
  bool ProfileControlsEnabled() const { return selectedTab_ == 1 || selectedTab_ == 2; }
  bool ProfilePressed(int profile) const;
  // Pressed from the click until the write's outcome is handled.
  bool ApplyPressed() const { return writing_; }
  bool Writing() const { return writing_; }
  const std::string& StatusText() const { return statusText_; }
  // The caption of region control `index` (kRegionControls order).
  const std::string& Caption(std::size_t index) const;
  // The looks of the slanted buttons for the current language family.
  const skin_files::RegionLooks& RegionLooks() const;
  // The language number whose flag is shown.
  int FlagLanguage() const;
  // What screen readers call a button without a caption.
  std::string_view PlainButtonName(PlainButton button) const;

  static constexpr int kTrayDoubleClick = 515;

 private:
  void StartWrite();
  void Notify(MainWindowPart part);
  void SetStatus(std::string text);
  std::string HintText(int hint);
  // After a write: saves the written profile and tells when that replaced a
  // change that another program made meanwhile.
  void SaveWrittenProfile();
  void FinishWriting();
  void TakeOutsideChanges(OutsideChanges& outside);

  MainWindowSettings settings_;
  FunctionAssignment& captions_;
  PageHooks& pages_;
  ProfileWrites& writes_;
  MainWindowObserver* observer_ = nullptr;
  int selectedTab_ = 1;
  bool writing_ = false;
  bool lookAfterWrite_ = false;
  bool looking_ = false;
  bool lookAgain_ = false;
  std::string statusText_;
};

}  // namespace n63k
