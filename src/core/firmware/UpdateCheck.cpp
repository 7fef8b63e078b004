#include "core/firmware/UpdateCheck.h"

#include <string>
#include <utility>

#include "core/firmware/UpdateTexts.h"

namespace n63k {

UpdateCheck::UpdateCheck(Timers& timers, UserMessages& messages, const Localisation& localisation,
                         FirmwareFetches& fetches, FirmwareCache cache, StartFlasher startFlasher)
    : timers_(timers),
      messages_(messages),
      localisation_(localisation),
      fetches_(fetches),
      cache_(std::move(cache)),
      startFlasher_(std::move(startFlasher)) {}

UpdateCheck::~UpdateCheck() {
  StopTimer();
}

void UpdateCheck::CheckForUpdate() {
  if (!idle_) {
    return;
  }
  idle_ = false;
  ++check_;
  const UpdateManifest cached = ReadUpdateManifest(cache_.Manifest());
  if (OffersNewer(cached, installed_)) {
    OfferUpdate(cached);
    return;
  }
  awaiting_ = true;
  timer_ = timers_.Start(kTimeOutMs, [this] { TimedOut(); });
  fetches_.FetchManifest(check_);
}

void UpdateCheck::ManifestFetched(std::uint64_t check, const ManifestDownload& download) {
  if (check != check_ || !awaiting_) {
    return;
  }
  awaiting_ = false;
  StopTimer();
  if (download.error != DownloadError::kNone) {
    Say(ServerUnreachableText(localisation_.chineseUi));
    Finish();
    return;
  }
  if (!OffersNewer(download.manifest, installed_)) {
    Say(LatestFirmwareText(localisation_.chineseUi));
    Finish();
    return;
  }
  OfferUpdate(download.manifest);
}

void UpdateCheck::ImageFetched(std::uint64_t check, const ImageDownload& download) {
  if (check != check_ || !awaiting_) {
    return;
  }
  awaiting_ = false;
  if (download.error != DownloadError::kNone) {
    Say(kImageDownloadFailedText);
    Finish();
    return;
  }
  Finish();
  startFlasher_(download.path);
}

// The image is always fetched afresh from the manifest that offered it: a
// cached image may belong to an older manifest, or never have arrived.
void UpdateCheck::OfferUpdate(const UpdateManifest& manifest) {
  if (messages_.InfoBox(std::string(NewerFirmwareQuestion(localisation_.chineseUi)), true) !=
      InfoAnswer::kOk) {
    Finish();
    return;
  }
  awaiting_ = true;
  fetches_.FetchImage(check_, manifest);
}

void UpdateCheck::TimedOut() {
  StopTimer();
  awaiting_ = false;
  Finish();
  Say(ServerTimedOutText(localisation_.chineseUi));
}

void UpdateCheck::StopTimer() {
  timers_.Stop(timer_);
  timer_ = 0;
}

void UpdateCheck::Finish() {
  idle_ = true;
}

void UpdateCheck::Say(std::string_view text) {
  messages_.InfoBox(std::string(text), false);
}

}  // namespace n63k
