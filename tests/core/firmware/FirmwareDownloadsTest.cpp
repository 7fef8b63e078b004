#include <gtest/gtest.h>

#include "core/base/Files.h"
#include "core/firmware/FakeFetcher.h"
#include "core/firmware/FirmwareDownloads.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

constexpr char kManifestUrl[] = "http://server.test/software/n63K/update.xml";
constexpr char kImageUrl[] = "http://server.test/fw.bin";

struct DownloadFixture : ::testing::Test {
  test::TempDir temp;
  FirmwareCache cache{temp / "cache/KORVU/N63K/new_version"};
  test::FakeFetcher fetcher;
  std::atomic<bool> stop{false};

  std::string Read(const fs::path& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ReadFileBytes(path, bytes, 1 << 20), FileError::kNone);
    return {bytes.begin(), bytes.end()};
  }
};

using ManifestDownloads = DownloadFixture;

TEST_F(ManifestDownloads, AFetchedManifestIsReadAndKeptInAFolderMadeForIt) {
  const std::string text = "<u><firmware><current>20</current></firmware></u>";
  fetcher.answers[kManifestUrl] = test::FakeFetcher::Body(text);
  const ManifestDownload download = DownloadManifest(fetcher, kManifestUrl, cache, stop);
  EXPECT_EQ(download.error, DownloadError::kNone);
  EXPECT_EQ(download.manifest.current, 20u);
  EXPECT_EQ(Read(cache.Manifest()), text);
  ASSERT_EQ(fetcher.asked.size(), 1u);
  EXPECT_EQ(fetcher.asked[0].maxBytes, kMaxManifestBytes);
}

TEST_F(ManifestDownloads, AFailedFetchKeepsTheCachedManifest) {
  fs::create_directories(cache.folder);
  ASSERT_EQ(WriteFileAtomic(cache.Manifest(), std::vector<std::uint8_t>{'o', 'l', 'd'}),
            FileError::kNone);
  for (const FetchStatus status : {FetchStatus::kFailed, FetchStatus::kTooLarge}) {
    fetcher.answers[kManifestUrl] = {status, {'n', 'e', 'w'}, {}, "why"};
    const ManifestDownload download = DownloadManifest(fetcher, kManifestUrl, cache, stop);
    EXPECT_NE(download.error, DownloadError::kNone);
    EXPECT_EQ(Read(cache.Manifest()), "old");
  }
}

struct ImageCase {
  std::string name;
  std::string url;
  std::string sha256;  // what the manifest asks for
  FetchResult fetched;
  DownloadError error;
};

class ImageDownloads : public DownloadFixture, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ImageDownloads, OnlyAWholeMatchingImageIsKept) {
  const ImageCase& c = GetParam();
  fetcher.answers[c.url] = c.fetched;
  const ImageDownload download = DownloadImage(fetcher, {20, c.url, c.sha256}, cache, stop);
  EXPECT_EQ(download.error, c.error);
  if (c.error == DownloadError::kNone) {
    EXPECT_EQ(download.path, cache.Image());
    EXPECT_EQ(Read(cache.Image()), "image");
    ASSERT_EQ(fetcher.asked.size(), 1u);
    EXPECT_EQ(fetcher.asked[0].maxBytes, kMaxImageBytes);
  } else {
    EXPECT_FALSE(fs::exists(cache.Image()));
    EXPECT_FALSE(download.detail.empty());
  }
  if (c.error == DownloadError::kBadUrl) {
    EXPECT_TRUE(fetcher.asked.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageDownloads,
    ::testing::Values(ImageCase{"NoChecksumGiven", kImageUrl, "",
                                test::FakeFetcher::Body("image", "ab"), DownloadError::kNone},
                      ImageCase{"MatchingChecksum", kImageUrl, "ab",
                                test::FakeFetcher::Body("image", "ab"), DownloadError::kNone},
                      ImageCase{"HttpsInCapitals", "HTTPS://server.test/fw.bin", "",
                                test::FakeFetcher::Body("image"), DownloadError::kNone},
                      ImageCase{"ChecksumMismatch", kImageUrl, "cd",
                                test::FakeFetcher::Body("image", "ab"), DownloadError::kChecksum},
                      ImageCase{"TooLarge",
                                kImageUrl,
                                "",
                                {FetchStatus::kTooLarge, {}, {}, "too large"},
                                DownloadError::kTooLarge},
                      ImageCase{"ServerFails",
                                kImageUrl,
                                "",
                                {FetchStatus::kFailed, {}, {}, "HTTP status 404"},
                                DownloadError::kUnreachable},
                      ImageCase{"FileUrl", "file:///etc/passwd", "",
                                test::FakeFetcher::Body("image"), DownloadError::kBadUrl},
                      ImageCase{"NoUrl", "", "", test::FakeFetcher::Body("image"),
                                DownloadError::kBadUrl}),
    test::CaseName<ImageCase>);

TEST_F(ManifestDownloads, TheCacheFolderFollowsXdgCacheHome) {
  struct Paths final : SystemPaths {
    std::optional<std::string> cache;
    fs::path ExecutableFolder() const override { return "/opt/n63k"; }
    std::optional<std::string> Variable(const std::string& name) const override {
      if (name == "XDG_CACHE_HOME") {
        return cache;
      }
      return name == "HOME" ? std::optional<std::string>("/home/u") : std::nullopt;
    }
    fs::path AccountHome() const override { return "/home/account"; }
  } paths;
  EXPECT_EQ(DefaultFirmwareCache(paths).folder, "/home/u/.cache/KORVU/N63K/new_version");
  paths.cache = "/tmp/c";
  EXPECT_EQ(DefaultFirmwareCache(paths).folder, "/tmp/c/KORVU/N63K/new_version");
  EXPECT_EQ(ManifestUrl(std::nullopt), kDefaultManifestUrl);
  EXPECT_EQ(ManifestUrl(std::string()), kDefaultManifestUrl);
  EXPECT_EQ(ManifestUrl(std::string(kManifestUrl)), kManifestUrl);
}

}  // namespace
}  // namespace n63k
