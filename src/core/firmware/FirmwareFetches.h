#pragma once

#include <cstdint>

#include "core/firmware/FirmwareDownloads.h"

namespace n63k {

// The downloads of an update check, run away from the window thread; each
// carries the number of the check that asked for it.
class FirmwareFetches {
 public:
  virtual ~FirmwareFetches() = default;
  virtual void FetchManifest(std::uint64_t check) = 0;
  virtual void FetchImage(std::uint64_t check, UpdateManifest manifest) = 0;
};

// Where the downloads' results go, on the thread that ran them: the app
// queues them onto the window thread.
class FirmwareResults {
 public:
  virtual ~FirmwareResults() = default;
  virtual void ManifestFetched(std::uint64_t check, ManifestDownload download) = 0;
  virtual void ImageFetched(std::uint64_t check, ImageDownload download) = 0;
};

}  // namespace n63k
