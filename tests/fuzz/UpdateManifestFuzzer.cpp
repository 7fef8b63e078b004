// Fuzz target: update.xml as the update server sends it, fetched and kept in
// the cache as the update check does; the cached copy reads the same, and
// the image it names is kept only from a web address and with its checksum.
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/firmware/FirmwareDownloads.h"
#include "core/firmware/HttpFetcher.h"
#include "core/firmware/UpdateManifest.h"
#include "fuzz/FuzzSupport.h"

using namespace n63k;
using fuzz::Check;

namespace {

constexpr char kImageSha256[] = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

// Answers the first fetch, the manifest's, with the input and every later
// one with an image.
class Server final : public HttpFetcher {
 public:
  explicit Server(fuzz::Bytes manifest) : manifest_(std::move(manifest)) {}

  FetchResult Fetch(const std::string&, std::size_t maxBytes, const std::atomic<bool>&) override {
    if (!manifestSent_) {
      manifestSent_ = true;
      if (manifest_.size() > maxBytes) {
        return {FetchStatus::kTooLarge, {}, {}, "too large"};
      }
      return {FetchStatus::kOk, manifest_, {}, {}};
    }
    ++imageFetches;
    return {FetchStatus::kOk, {'t', 'e', 's', 't'}, kImageSha256, {}};
  }

  int imageFetches = 0;

 private:
  fuzz::Bytes manifest_;
  bool manifestSent_ = false;
};

bool Trimmed(const std::string& text) {
  const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
  return text.empty() || (!space(static_cast<unsigned char>(text.front())) &&
                          !space(static_cast<unsigned char>(text.back())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFolder scratch("manifest");
  const FirmwareCache cache{scratch.Empty() / "new_version"};
  Server server(fuzz::ToBytes(data, size));
  const std::atomic<bool> stop = false;

  const ManifestDownload download = DownloadManifest(server, kDefaultManifestUrl, cache, stop);
  if (size > kMaxManifestBytes) {
    Check(download.error == DownloadError::kTooLarge);
    return 0;
  }
  Check(download.error == DownloadError::kNone && download.detail.empty());
  const UpdateManifest& manifest = download.manifest;
  Check(Trimmed(manifest.imageUrl) && Trimmed(manifest.sha256));
  Check(std::none_of(manifest.sha256.begin(), manifest.sha256.end(),
                     [](unsigned char c) { return std::isupper(c) != 0; }));
  Check(OffersNewer(manifest, 0) == (manifest.current != 0));

  const UpdateManifest cached = ReadUpdateManifest(cache.Manifest());
  Check(cached.current == manifest.current && cached.imageUrl == manifest.imageUrl &&
        cached.sha256 == manifest.sha256);

  const ImageDownload image = DownloadImage(server, manifest, cache, stop);
  if (image.error == DownloadError::kNone) {
    Check(server.imageFetches == 1);
    Check(manifest.sha256.empty() || manifest.sha256 == kImageSha256);
    Check(fuzz::FileBytes(image.path) == fuzz::Bytes({'t', 'e', 's', 't'}));
  } else {
    Check(image.error == DownloadError::kBadUrl || image.error == DownloadError::kChecksum);
  }
  return 0;
}
