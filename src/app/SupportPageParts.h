#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/app/ProgramState.h"
#include "core/base/Timers.h"
#include "core/firmware/FirmwareCheckThread.h"
#include "core/firmware/UpdateCheck.h"
#include "core/pages/MainWindowModel.h"
#include "core/pages/SupportPageModel.h"
#include "platform/CurlFetcher.h"

class QWidget;

namespace n63k::ui {
class SupportPage;
}

namespace n63k::app {

// The support page as the program runs it: its model and view, the update
// check with its firmware-check thread, whose results are queued onto the
// window thread, and the main window's side of the page's requests.
class SupportPageParts final : private FirmwareResults, private SupportPageHost {
 public:
  struct Wiring {
    ProgramState& state;
    UserMessages& messages;
    Timers& timers;
    MainWindowModel& mainWindow;
    // Starts the flasher with the downloaded image and ends the program.
    UpdateCheck::StartFlasher startFlasher;
  };

  // The view goes into `panel`.
  SupportPageParts(Wiring wiring, QWidget& panel);
  ~SupportPageParts() override;
  SupportPageParts(const SupportPageParts&) = delete;
  SupportPageParts& operator=(const SupportPageParts&) = delete;

  SupportPageModel& model() { return *model_; }
  // Shut-down: a transfer under way is cut short and the thread ends now.
  void Stop();

 private:
  // FirmwareResults, on the firmware-check thread
  void ManifestFetched(std::uint64_t check, ManifestDownload download) override;
  void ImageFetched(std::uint64_t check, ImageDownload download) override;
  // SupportPageHost
  void ShowHint(int hint) override;
  void RestoreDefaults() override;
  void ProfileImported() override;
  void OpenWebSite(std::string_view url) override;

  Wiring wiring_;
  // Results queued onto the window thread die with the parts.
  QObject windowThread_;
  CurlFetcher fetcher_;
  std::unique_ptr<FirmwareCheckThread> thread_;
  std::unique_ptr<UpdateCheck> update_;
  std::unique_ptr<SupportPageModel> model_;
  ui::SupportPage* view_ = nullptr;
};

}  // namespace n63k::app
