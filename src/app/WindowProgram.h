#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

#include "app/DataFolderWatch.h"
#include "app/GlobalInput.h"
#include "app/PageSet.h"
#include "app/SupportPageParts.h"
#include "app/SyncBridge.h"
#include "core/app/MouseConnection.h"
#include "core/app/ProgramState.h"
#include "core/app/StartUp.h"
#include "core/app/UpdaterLaunch.h"
#include "core/buttons/KeyCharacters.h"
#include "core/device/DeviceLink.h"
#include "core/device/SimulatedMouse.h"
#include "core/device/TraceFile.h"
#include "core/device/TracedDevice.h"
#include "core/pages/FunctionAssignment.h"
#include "core/pages/LightingPage.h"
#include "core/pages/MacroPageModel.h"
#include "core/pages/MainWindowModel.h"
#include "core/pages/OutsideChanges.h"
#include "core/pages/StatsPage.h"
#include "core/stats/PointerSampler.h"
#include "platform/ProcessStarter.h"
#include "platform/ShutdownSignals.h"
#include "platform/UdevDeviceWatcher.h"
#include "platform/X11PointerTravel.h"
#include "ui/QtTimers.h"
#include "ui/windows/WindowMessages.h"

class QApplication;

namespace n63k {
class WorkerWrites;
}

namespace n63k::ui {
class MainWindow;
class ProgressWindow;
class LanguageMenuWindow;
class WidgetPointer;
}  // namespace n63k::ui

namespace n63k::app {

// The window program: builds core, platform services and windows, runs the
// start-up sequence, and the shut-down sequence when the program ends.
class WindowProgram final : private StartUpSteps, private MouseConnectionHost {
 public:
  // `loginStart` is what the tray menu's start at login changes; with
  // `startInTray` the start-up leaves the window hidden (a start at login).
  WindowProgram(QApplication& application, Folders folders, LoginStart& loginStart,
                bool startInTray);
  ~WindowProgram() override;
  WindowProgram(const WindowProgram&) = delete;
  WindowProgram& operator=(const WindowProgram&) = delete;

  // Runs the start-up, then the window until the program ends; the exit status.
  int Run();
  // A second copy of the program asked for the window.
  void ShowRequested();

 private:
  // StartUpSteps
  void PrepareDataAndLanguage() override;
  bool BootLoaderPresent() override;
  bool HandToFlasher() override;
  void LoadSettings() override;
  void BuildWindow() override;
  bool PrepareDevice() override;
  bool OpenDevice() override;
  void RefreshPages() override;
  void TellMouseNotFound() override;
  void StartWorkers() override;
  void ReadFirmwareVersion() override;
  void ShowWindow() override;
  void StartRunning() override;

  // MouseConnectionHost
  OpenResult OpenMouse() override;
  void CloseMouse() override;
  void MouseOpened() override;
  void EndProgram() override;

  void BuildDevice();
  void BuildLightingPage();
  void BuildMacroPage();
  void BuildStatsPage();
  void StartCounting();
  void BuildPages();
  void WatchListWritten();
  void ShowInputNotice(const std::string& text);
  // The function chooser for a slot, modal over the window.
  void OpenChooser(int slot);
  void OpenLanguageMenu();
  void ShutDown();

  LoginStart& loginStart_;
  const bool startInTray_;
  QApplication& application_;
  SystemClock clock_;
  std::uint64_t startMs_;
  ui::QtTimers timers_;
  // The state takes the messages by reference before they exist; it shows
  // nothing while it is being built.
  ProgramState state_;
  ui::WindowMessages messages_;
  int storedLanguage_ = 1;

  std::unique_ptr<SimulatedMouse> simulated_;
  std::unique_ptr<HidTransport> hidapi_;
  std::unique_ptr<PointerSettings> desktopPointer_;
  std::unique_ptr<TraceFile> trace_;
  std::unique_ptr<TracedDevice> traced_;
  HidTransport* transport_ = nullptr;
  PointerSettings* pointer_ = nullptr;
  std::unique_ptr<DeviceLink> link_;
  OpenResult lastOpen_ = OpenResult::kNotFound;

  QObject windowThread_;
  std::unique_ptr<SyncBridge> bridge_;
  std::unique_ptr<SyncWorker> worker_;
  std::unique_ptr<WorkerWrites> writes_;
  std::unique_ptr<KeyCharacters> keyCharacters_;
  std::unique_ptr<FunctionAssignment> captions_;
  PageSet pages_;
  // The page models outlive the window, whose views draw them.
  std::unique_ptr<LightingPage> lighting_;
  std::unique_ptr<StatsPage> stats_;
  // Its view gives the key target back when the window goes, before the
  // input hooks do.
  std::unique_ptr<MacroPageModel> macroPage_;
  std::unique_ptr<X11PointerTravel> x11Travel_;
  std::unique_ptr<PointerSampler> sampler_;
  std::unique_ptr<ui::WidgetPointer> buttonPointer_;
  std::unique_ptr<ButtonPageModel> buttonPage_;
  std::unique_ptr<OutsideChanges> outside_;
  // Declared before the window, whose panel holds its view: it outlives it.
  std::unique_ptr<SupportPageParts> support_;
  std::unique_ptr<MainWindowModel> model_;
  std::unique_ptr<ui::MainWindow> window_;
  std::unique_ptr<ui::ProgressWindow> progress_;
  ui::LanguageMenuWindow* languageMenu_ = nullptr;

  ProcessStarter starter_;
  std::unique_ptr<GlobalInput> input_;
  std::unique_ptr<UpdaterLaunch> updater_;
  std::unique_ptr<MouseConnection> connection_;
  std::unique_ptr<UdevDeviceWatcher> watcher_;
  std::unique_ptr<DataFolderWatch> dataWatch_;
  std::unique_ptr<ShutdownSignals> signals_;
  bool shutDown_ = false;
};

}  // namespace n63k::app
