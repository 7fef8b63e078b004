#include "app/SupportPageParts.h"

#include <QDesktopServices>
#include <QMetaObject>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>

#include "platform/LinuxSystemPaths.h"
#include "ui/pages/SupportPage.h"

namespace n63k::app {

namespace {

std::optional<std::string> UpdateUrlOverride() {
  const char* url = std::getenv("N63K_UPDATE_URL");
  return url != nullptr ? std::optional<std::string>(url) : std::nullopt;
}

}  // namespace

SupportPageParts::SupportPageParts(Wiring wiring, QWidget& panel) : wiring_(std::move(wiring)) {
  const FirmwareCache cache = DefaultFirmwareCache(LinuxSystemPaths());
  thread_ = std::make_unique<FirmwareCheckThread>(fetcher_, ManifestUrl(UpdateUrlOverride()), cache,
                                                  static_cast<FirmwareResults&>(*this));
  update_ =
      std::make_unique<UpdateCheck>(wiring_.timers, wiring_.messages, wiring_.state.localisation(),
                                    *thread_, cache, wiring_.startFlasher);
  model_ = std::make_unique<SupportPageModel>(
      *update_, wiring_.state.profileFiles().Current(), wiring_.state.files(), wiring_.messages,
      wiring_.state.localisation(), static_cast<SupportPageHost&>(*this));
  view_ = new ui::SupportPage(*model_, wiring_.state.folders().program, &panel);
  auto* layout = new QVBoxLayout(&panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

SupportPageParts::~SupportPageParts() {
  Stop();
}

void SupportPageParts::Stop() {
  thread_->Stop();
}

void SupportPageParts::ManifestFetched(std::uint64_t check, ManifestDownload download) {
  QMetaObject::invokeMethod(
      &windowThread_,
      [this, check, download = std::move(download)] { update_->ManifestFetched(check, download); },
      Qt::QueuedConnection);
}

void SupportPageParts::ImageFetched(std::uint64_t check, ImageDownload download) {
  QMetaObject::invokeMethod(
      &windowThread_,
      [this, check, download = std::move(download)] { update_->ImageFetched(check, download); },
      Qt::QueuedConnection);
}

void SupportPageParts::ShowHint(int hint) {
  wiring_.mainWindow.ShowHint(hint);
}

void SupportPageParts::RestoreDefaults() {
  wiring_.mainWindow.RestoreDefaults(wiring_.state.buttonMacroIds());
}

void SupportPageParts::ProfileImported() {
  wiring_.mainWindow.ProfileImported();
}

void SupportPageParts::OpenWebSite(std::string_view url) {
  QDesktopServices::openUrl(
      QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

}  // namespace n63k::app
