#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/base/SystemPaths.h"
#include "core/firmware/HttpFetcher.h"
#include "core/firmware/UpdateManifest.h"

namespace n63k {

// The maker's update server; N63K_UPDATE_URL takes its place when set.
inline constexpr char kDefaultManifestUrl[] = "https://update.korvu.com/software/n63K/update.xml";
inline constexpr std::size_t kMaxManifestBytes = 64 * 1024;
inline constexpr std::size_t kMaxImageBytes = 4 * 1024 * 1024;

// The manifest's address: `override` when it is set and not empty.
std::string ManifestUrl(const std::optional<std::string>& override);

// Where the last manifest and image are kept: the user's cache folder, since
// an installed program folder cannot be written.
struct FirmwareCache {
  std::filesystem::path folder;

  std::filesystem::path Manifest() const { return folder / "update.xml"; }
  std::filesystem::path Image() const { return folder / "KorvuGameDevice.bin"; }
};

// $XDG_CACHE_HOME/KORVU/N63K/new_version, or ~/.cache/KORVU/N63K/new_version.
FirmwareCache DefaultFirmwareCache(const SystemPaths& system);

enum class DownloadError {
  kNone,
  kUnreachable,  // the server did not answer with the whole file
  kTooLarge,
  kBadUrl,    // empty, or neither http nor https
  kChecksum,  // the image does not match the manifest's sha256
  kNotSaved,  // the cache folder could not be written
  kStopped,   // the program is ending
};

struct ManifestDownload {
  DownloadError error = DownloadError::kNone;
  UpdateManifest manifest;
  std::string detail;
};

struct ImageDownload {
  DownloadError error = DownloadError::kNone;
  std::filesystem::path path;
  std::string sha256;
  std::string detail;
};

// Fetches the manifest and, when the server gave all of it, keeps it as the
// cached manifest (written whole, the cache folder created when missing).
ManifestDownload DownloadManifest(HttpFetcher& fetcher, const std::string& url,
                                  const FirmwareCache& cache, const std::atomic<bool>& stop);

// Fetches the image the manifest names and keeps it in the cache only when
// it is complete, within the size limit and matches the manifest's checksum.
ImageDownload DownloadImage(HttpFetcher& fetcher, const UpdateManifest& manifest,
                            const FirmwareCache& cache, const std::atomic<bool>& stop);

}  // namespace n63k
