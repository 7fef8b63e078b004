#include "core/firmware/FirmwareDownloads.h"

#include <system_error>

#include "core/base/FileAccess.h"
#include "core/base/Files.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

DownloadError ErrorOf(FetchStatus status) {
  switch (status) {
    case FetchStatus::kOk:
      return DownloadError::kNone;
    case FetchStatus::kTooLarge:
      return DownloadError::kTooLarge;
    case FetchStatus::kStopped:
      return DownloadError::kStopped;
    case FetchStatus::kFailed:
      break;
  }
  return DownloadError::kUnreachable;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != prefix[i]) {
      return false;
    }
  }
  return true;
}

bool IsWebUrl(std::string_view url) {
  return StartsWith(url, "http://") || StartsWith(url, "https://");
}

// Creates the cache folder and writes `bytes` whole; the reason on failure.
std::string Keep(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error) {
    return path.parent_path().string() + ": " + error.message();
  }
  const FileError written = WriteFileAtomic(path, bytes);
  if (written != FileError::kNone) {
    return path.string() + ": " + FileErrorText(written);
  }
  return {};
}

}  // namespace

std::string ManifestUrl(const std::optional<std::string>& override) {
  return override && !override->empty() ? *override : std::string(kDefaultManifestUrl);
}

FirmwareCache DefaultFirmwareCache(const SystemPaths& system) {
  fs::path base;
  if (const auto xdg = system.Variable("XDG_CACHE_HOME"); xdg && !xdg->empty()) {
    base = *xdg;
  } else {
    const auto home = system.Variable("HOME");
    base = (home && !home->empty() ? fs::path(*home) : system.AccountHome()) / ".cache";
  }
  return {base / "KORVU" / "N63K" / "new_version"};
}

ManifestDownload DownloadManifest(HttpFetcher& fetcher, const std::string& url,
                                  const FirmwareCache& cache, const std::atomic<bool>& stop) {
  FetchResult fetched = fetcher.Fetch(url, kMaxManifestBytes, stop);
  if (fetched.status != FetchStatus::kOk) {
    return {ErrorOf(fetched.status), {}, url + ": " + fetched.detail};
  }
  ManifestDownload download{DownloadError::kNone, ReadUpdateManifest(fetched.body), {}};
  // The manifest was read from memory: a cache that cannot be written costs
  // only the next check's shortcut.
  download.detail = Keep(cache.Manifest(), fetched.body);
  return download;
}

ImageDownload DownloadImage(HttpFetcher& fetcher, const UpdateManifest& manifest,
                            const FirmwareCache& cache, const std::atomic<bool>& stop) {
  if (!IsWebUrl(manifest.imageUrl)) {
    return {DownloadError::kBadUrl,
            {},
            {},
            manifest.imageUrl.empty() ? "the manifest names no image"
                                      : manifest.imageUrl + ": not an http or https address"};
  }
  FetchResult fetched = fetcher.Fetch(manifest.imageUrl, kMaxImageBytes, stop);
  if (fetched.status != FetchStatus::kOk) {
    return {ErrorOf(fetched.status), {}, {}, manifest.imageUrl + ": " + fetched.detail};
  }
  if (!manifest.sha256.empty() && manifest.sha256 != fetched.sha256) {
    return {DownloadError::kChecksum,
            {},
            fetched.sha256,
            manifest.imageUrl + ": sha256 " + fetched.sha256 + " where the manifest gives " +
                manifest.sha256};
  }
  if (std::string failed = Keep(cache.Image(), fetched.body); !failed.empty()) {
    return {DownloadError::kNotSaved, {}, fetched.sha256, failed};
  }
  return {DownloadError::kNone, cache.Image(), fetched.sha256, {}};
}

}  // namespace n63k
