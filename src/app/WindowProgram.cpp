#include "app/WindowProgram.h"

#include <QApplication>
#include <QSocketNotifier>
#include <cstdlib>

#include "core/app/BootLoaderCheck.h"
#include "core/app/Handoffs.h"
#include "core/app/MouseTexts.h"
#include "core/app/Provisioning.h"
#include "core/app/WorkerWrites.h"
#include "core/base/FolderLock.h"
#include "core/device/DeviceCommands.h"
#include "core/device/ProfilePointerSettings.h"
#include "core/macro/GameGroups.h"
#include "platform/DesktopPointerSelection.h"
#include "platform/DeviceEnvironment.h"
#include "platform/HidapiTransport.h"
#include "platform/SessionEnd.h"
#include "platform/X11PointerTravel.h"
#include "platform/XkbKeyCharacters.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/pages/ButtonPageView.h"
#include "ui/pages/LightingPageView.h"
#include "ui/pages/MacroPageView.h"
#include "ui/pages/StatsPageView.h"
#include "ui/pages/WidgetPointer.h"
#include "ui/windows/LanguageMenuWindow.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ProgressWindow.h"

namespace n63k::app {

WindowProgram::WindowProgram(QApplication& application, Folders folders, LoginStart& loginStart,
                             bool startInTray)
    : loginStart_(loginStart),
      startInTray_(startInTray),
      application_(application),
      startMs_(clock_.NowMs()),
      state_(std::move(folders), messages_, clock_),
      messages_(state_.localisation(), timers_, state_.folders().program) {}

WindowProgram::~WindowProgram() {
  ShutDown();
}

int WindowProgram::Run() {
  signals_ = std::make_unique<ShutdownSignals>([this] { EndProgram(); });
  switch (RunStartUp(*this, clock_)) {
    case StartUpEnd::kHandedToFlasher:
    case StartUpEnd::kMouseNotFound:
      ShutDown();
      return EXIT_SUCCESS;
    case StartUpEnd::kRunningWithoutDevice:
    case StartUpEnd::kRunning:
      break;
  }
  // The end of the session may come while a box of the start-up is open.
  if (shutDown_) {
    return EXIT_SUCCESS;
  }
  const int status = application_.exec();
  ShutDown();
  return status;
}

void WindowProgram::ShowRequested() {
  if (model_ != nullptr && !shutDown_) {
    model_->TrayActivated(MainWindowModel::kTrayDoubleClick);
  }
}

void WindowProgram::PrepareDataAndLanguage() {
  // The start-up's loads hold the data folder like any other writer; a lock
  // that cannot be had in time only means loading beside n63kctl, which
  // replaces files whole.
  const FolderLock lock(state_.folders().data, clock_);
  storedLanguage_ = state_.PrepareDataAndLanguage();
  if (lock.held()) {
    RemoveStaleTemporaries(state_.folders());
  }
}

bool WindowProgram::BootLoaderPresent() {
  return BootLoaderCheck(clock_).Run();
}

bool WindowProgram::HandToFlasher() {
  return StartFlasher(state_.folders().program, state_.localisation().chineseUi, starter_,
                      messages_);
}

void WindowProgram::LoadSettings() {
  const FolderLock lock(state_.folders().data, clock_);
  state_.LoadSettings(storedLanguage_);
}

void WindowProgram::BuildDevice() {
  if (SimulatedMouseRequested()) {
    simulated_ = std::make_unique<SimulatedMouse>(clock_);
    transport_ = simulated_.get();
  } else {
    hidapi_ = std::make_unique<HidapiTransport>();
    transport_ = hidapi_.get();
  }
  desktopPointer_ = MakeDesktopPointerSettings();
  pointer_ = desktopPointer_.get();
  trace_ =
      OpenRequestedTrace(std::getenv("N63K_TRACE"), messages_, state_.localisation().chineseUi);
  if (trace_ != nullptr) {
    traced_ = std::make_unique<TracedDevice>(
        *transport_, *pointer_, clock_, startMs_,
        [trace = trace_.get()](const std::string& line) { trace->Write(line); });
    transport_ = &traced_->transport();
    pointer_ = &traced_->pointer();
  }
  link_ = std::make_unique<DeviceLink>(*transport_, clock_);

  bridge_ = std::make_unique<SyncBridge>(
      windowThread_, SyncBridge::Handlers{
                         .progress = [this](int percent) { progress_->SetProgress(percent); },
                         .done =
                             [this] {
                               model_->SyncDone();
                               WatchListWritten();
                             },
                         .failed =
                             [this](SyncFailure failure) {
                               progress_->WriteFailed();
                               model_->SyncFailed(failure);
                               WatchListWritten();
                             },
                     });
  worker_ = std::make_unique<SyncWorker>(*link_, *pointer_, state_.mouseWatchList(), *bridge_);
  if (traced_ != nullptr) {
    worker_->SetRefusalNotes(
        [traced = traced_.get()](std::string_view command) { traced->TraceRefusal(command); });
  }
  writes_ = std::make_unique<WorkerWrites>(state_, *worker_, [this] { progress_->Start(); });
}

void WindowProgram::BuildWindow() {
  BuildDevice();
  input_ = std::make_unique<GlobalInput>(state_, starter_, pages_);
  pages_.stopInputCapture = [this] { input_->hooks().SetInputCapture(false, false); };
  keyCharacters_ = XkbKeyCharacters::FromSession();
  if (keyCharacters_ == nullptr) {
    keyCharacters_ = std::make_unique<UsKeyCharacters>();
  }
  captions_ = std::make_unique<FunctionAssignment>(
      state_.profileFiles().Current(), state_.buttonMacroIds(), state_.macroTable(), messages_,
      state_.localisation(), *keyCharacters_);
  // n63kctl saves into the same folder while the window runs.
  outside_ = std::make_unique<OutsideChanges>(state_.profileTable(), state_.profileFiles(),
                                              state_.macroTable(), state_.macroStore().Path(),
                                              SystemFiles());
  outside_->Remember();
  model_ = std::make_unique<MainWindowModel>(
      MainWindowSettings{
          .profileTable = state_.profileTable(),
          .profileFiles = state_.profileFiles(),
          .language = state_.language(),
          .localisation = state_.localisation(),
          .messages = messages_,
          .tell = [this](const Outcome& outcome) { state_.Tell(outcome); },
          // A lock that cannot be had in time still lets the change go
          // ahead: files are replaced whole, and the user's change is kept.
          .holdData =
              [this](const std::function<void()>& change) {
                const FolderLock lock(state_.folders().data, clock_);
                change();
              },
          .outside = outside_.get(),
          .loginStart = &loginStart_,
      },
      *captions_, pages_, *writes_);
  window_ = std::make_unique<ui::MainWindow>(*model_, state_.folders().program);
  messages_.SetParent(window_.get());
  BuildPages();
  progress_ = std::make_unique<ui::ProgressWindow>(state_.localisation(), timers_,
                                                   state_.folders().program, window_.get());
  QObject::connect(window_.get(), &ui::MainWindow::exitRequested, [this] { EndProgram(); });
  QObject::connect(window_.get(), &ui::MainWindow::languageMenuRequested,
                   [this] { OpenLanguageMenu(); });
  QObject::connect(window_.get(), &ui::MainWindow::languageMenuClosing, [this] {
    if (languageMenu_ != nullptr) {
      languageMenu_->close();
    }
  });
  BuildLightingPage();
  BuildMacroPage();
  BuildStatsPage();
  support_ = std::make_unique<SupportPageParts>(
      SupportPageParts::Wiring{
          .state = state_,
          .messages = messages_,
          .timers = timers_,
          .mainWindow = *model_,
          .startFlasher =
              [this](const std::filesystem::path& image) {
                if (StartFlasher(state_.folders().program, state_.localisation().chineseUi,
                                 starter_, messages_, image)) {
                  EndProgram();
                }
              },
      },
      *window_->PagePanel(5));
  pages_.SetSupportPage(&support_->model());
  model_->PagesCreated();
}

void WindowProgram::BuildLightingPage() {
  lighting_ = std::make_unique<LightingPage>(state_.profileFiles().Current(), state_.localisation(),
                                             [this](int hint) { model_->ShowHint(hint); });
  new ui::LightingPageView(*lighting_, state_.folders().program, window_->PagePanel(2));
  pages_.lighting = lighting_.get();
}

void WindowProgram::BuildMacroPage() {
  macroPage_ = std::make_unique<MacroPageModel>(MacroPageSettings{
      .table = state_.macroTable(),
      .store = state_.macroStore(),
      .profiles = state_.profileTable(),
      .current = state_.profileFiles().Current(),
      .localisation = state_.localisation(),
      .messages = messages_,
      .tell = [this](const Outcome& outcome) { state_.Tell(outcome); },
      .timers = timers_,
      .clock = clock_,
      .hooks = input_->hooks(),
      .showHint = [this](int hint) { model_->ShowHint(hint); },
      .holdData =
          [this](const std::function<void()>& change) {
            const FolderLock lock(state_.folders().data, clock_);
            change();
          },
  });
  new ui::MacroPageView(*macroPage_, state_.folders().program, window_->PagePanel(3));
  pages_.SetMacroPage(macroPage_.get());
  macroPage_->ListGroup(kCustomGroup);
}

void WindowProgram::BuildStatsPage() {
  stats_ = std::make_unique<StatsPage>(StatsPageSettings{
      .dataFolder = state_.folders().data,
      .files = state_.files(),
      .messages = messages_,
      .localisation = state_.localisation(),
      .tell = [this](const Outcome& outcome) { state_.Tell(outcome); },
      .timers = timers_,
      .showHint = [this](int hint) { model_->ShowHint(hint); },
      .holdData =
          [this](const std::function<void()>& save) {
            const FolderLock lock(state_.folders().data, clock_);
            save();
          },
  });
  new ui::StatsPageView(*stats_, state_.folders().program, window_->PagePanel(4));
  pages_.statistics = stats_.get();
  // The counts are kept when the session manager asks before a logout.
  SaveWhenSessionEnds(application_, [this] {
    if (stats_ != nullptr) {
      stats_->Save();
    }
  });
  StartCounting();
}

void WindowProgram::StartCounting() {
  // Where the pointer's position can be read (X11) the distance is in screen
  // pixels; other sessions give no position to a program, and the mouse's
  // own motion counts instead.
  PointerTravel* travel = &input_->MouseTravel();
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    auto x11 = std::make_unique<X11PointerTravel>();
    if (x11->Connected()) {
      x11Travel_ = std::move(x11);
      travel = x11Travel_.get();
    }
  }
  sampler_ = std::make_unique<PointerSampler>(*travel, clock_, [this](std::uint64_t pixels) {
    QMetaObject::invokeMethod(
        &windowThread_,
        [this, pixels] {
          if (stats_ != nullptr) {
            stats_->AddTravel(pixels);
          }
        },
        Qt::QueuedConnection);
  });
  sampler_->Start();
}

void WindowProgram::BuildPages() {
  QWidget* buttonPanel = window_->PagePanel(1);
  buttonPointer_ = std::make_unique<ui::WidgetPointer>(buttonPanel);
  buttonPage_ = std::make_unique<ButtonPageModel>(state_.profileFiles().Current(), *captions_,
                                                  state_.localisation(), timers_, *buttonPointer_,
                                                  [this](int hint) { model_->ShowHint(hint); });
  auto* buttonView = new ui::ButtonPageView(*buttonPage_, state_.folders().program, buttonPanel);
  QObject::connect(buttonView, &ui::ButtonPageView::chooserRequested, buttonView,
                   [this](int slot) { OpenChooser(slot); });
  pages_.SetButtonPage(buttonPage_.get());
}

void WindowProgram::OpenChooser(int slot) {
  ui::ChooserContext context{state_.profileFiles().Current(),
                             *captions_,
                             state_.localisation(),
                             state_.macroTable(),
                             *keyCharacters_,
                             input_->hooks(),
                             messages_,
                             state_.folders().program};
  ui::ChooserWindow chooser(context, slot, window_.get());
  // The page assigns the choice itself and then shows the tab's look.
  if (const std::optional<ChooserResult> result = chooser.Choose()) {
    buttonPage_->ChooserAccepted(*result);
  } else {
    buttonPage_->ChooserCancelled();
  }
}

void WindowProgram::OpenLanguageMenu() {
  if (languageMenu_ != nullptr) {
    return;
  }
  languageMenu_ = new ui::LanguageMenuWindow(state_.folders().program,
                                             ui::LanguageMenuWindow::DesktopLook(), window_.get());
  languageMenu_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(languageMenu_, &ui::LanguageMenuWindow::languageChosen,
                   [this](int number) { model_->PickLanguage(number); });
  QObject::connect(languageMenu_, &ui::LanguageMenuWindow::closed, [this] {
    model_->LanguageMenuClosed();
    languageMenu_ = nullptr;
  });
  languageMenu_->PopUp(window_->LanguageButtonGlobalRect());
}

bool WindowProgram::PrepareDevice() {
  return link_->Prepare();
}

bool WindowProgram::OpenDevice() {
  lastOpen_ = link_->Open();
  return lastOpen_ == OpenResult::kOpened;
}

void WindowProgram::RefreshPages() {
  pages_.RefreshButtonPage();
  pages_.RefreshLightingPage();
}

void WindowProgram::TellMouseNotFound() {
  const bool chinese = state_.localisation().chineseUi;
  if (lastOpen_ == OpenResult::kNoPermission) {
    // Too long to read in a box that closes itself.
    messages_.InfoBox(MouseUnavailableText(lastOpen_, chinese), false);
  } else {
    messages_.CountDown(std::string(MouseNotFoundText(chinese)));
  }
}

void WindowProgram::StartWorkers() {
  worker_->Start();
  // Desktops that keep nothing of their own across a logout get the
  // profile's pointer settings back now.
  ApplyStartupPointerSettings(state_.profileFiles().Current(), *pointer_);
}

void WindowProgram::ReadFirmwareVersion() {
  pages_.ShowFirmwareVersion(n63k::ReadFirmwareVersion(*link_).value_or(0));
}

void WindowProgram::ShowWindow() {
  // Without a tray a hidden window could not be reached.
  if (!startInTray_ || window_->TrayIcon() == nullptr) {
    model_->ShowFromTray();
  }
}

void WindowProgram::StartRunning() {
  ShowInputNotice(input_->Install(state_.localisation().chineseUi));
  updater_ = std::make_unique<UpdaterLaunch>(timers_, starter_, state_.folders().program);
  updater_->Arm(true);
  dataWatch_ = std::make_unique<DataFolderWatch>(state_.folders().data,
                                                 [this] { model_->DataFolderChanged(); });
  // What was saved while the start-up ran.
  model_->DataFolderChanged();
  connection_ = std::make_unique<MouseConnection>(timers_, messages_, state_.localisation(),
                                                  static_cast<MouseConnectionHost&>(*this));
  if (simulated_ == nullptr) {
    watcher_ = std::make_unique<UdevDeviceWatcher>();
    watcher_->Start(*connection_);
  }
}

OpenResult WindowProgram::OpenMouse() {
  return link_->Open();
}

void WindowProgram::CloseMouse() {
  link_->Close();
  input_->Remove();
}

void WindowProgram::MouseOpened() {
  ReadFirmwareVersion();
  ShowInputNotice(input_->Install(state_.localisation().chineseUi));
}

void WindowProgram::WatchListWritten() {
  ShowInputNotice(input_->WatchListChanged(state_.localisation().chineseUi));
}

void WindowProgram::ShowInputNotice(const std::string& text) {
  if (!text.empty()) {
    model_->ShowNotice(text);
  }
}

void WindowProgram::EndProgram() {
  ShutDown();
  application_.quit();
}

void WindowProgram::ShutDown() {
  if (shutDown_) {
    return;
  }
  shutDown_ = true;
  dataWatch_.reset();
  watcher_.reset();
  connection_.reset();
  updater_.reset();
  if (sampler_ != nullptr) {
    sampler_->Stop();
  }
  if (stats_ != nullptr) {
    stats_->Save();
  }
  if (support_ != nullptr) {
    support_->Stop();
  }
  if (worker_ != nullptr) {
    worker_->Stop();
  }
  if (link_ != nullptr) {
    link_->Close();
  }
  if (input_ != nullptr) {
    input_->Remove();
  }
  if (window_ != nullptr) {
    window_->CloseForShutDown();
  }
}

}  // namespace n63k::app
