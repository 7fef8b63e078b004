#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/firmware/FirmwareFetches.h"
#include "core/i18n/TextTable.h"

namespace n63k {

// The update button's check, on the window thread: the cached manifest first,
// then the server's, guarded by a time-out; on the user's yes the image is
// downloaded and handed to the flasher. One check at a time; results of a
// check that has been answered already (by the time-out) are dropped.
class UpdateCheck {
 public:
  // Hands the downloaded image to the flasher; when the flasher starts, the
  // program ends, so that the flasher alone talks to the mouse.
  using StartFlasher = std::function<void(const std::filesystem::path& image)>;

  UpdateCheck(Timers& timers, UserMessages& messages, const Localisation& localisation,
              FirmwareFetches& fetches, FirmwareCache cache, StartFlasher startFlasher);
  ~UpdateCheck();
  UpdateCheck(const UpdateCheck&) = delete;
  UpdateCheck& operator=(const UpdateCheck&) = delete;

  // The mouse's firmware version; 0 when it did not tell it.
  void SetInstalledVersion(std::uint32_t version) { installed_ = version; }
  std::uint32_t InstalledVersion() const { return installed_; }

  // The update button. Does nothing while a check runs.
  void CheckForUpdate();
  // The firmware-check thread's results, on the window thread.
  void ManifestFetched(std::uint64_t check, const ManifestDownload& download);
  void ImageFetched(std::uint64_t check, const ImageDownload& download);

  bool Idle() const { return idle_; }

  static constexpr std::uint32_t kTimeOutMs = 2000;

 private:
  void OfferUpdate(const UpdateManifest& manifest);
  void TimedOut();
  void StopTimer();
  void Finish();
  void Say(std::string_view text);

  Timers& timers_;
  UserMessages& messages_;
  const Localisation& localisation_;
  FirmwareFetches& fetches_;
  FirmwareCache cache_;
  StartFlasher startFlasher_;
  std::uint32_t installed_ = 0;
  bool idle_ = true;
  // The check whose results are awaited; a new number for every check, so a
  // late answer to an old one is known.
  std::uint64_t check_ = 0;
  bool awaiting_ = false;
  Timers::Id timer_ = 0;
};

}  // namespace n63k
