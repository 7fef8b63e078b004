#include <gtest/gtest.h>

#include "core/base/Files.h"
#include "core/base/ManualTimers.h"
#include "core/firmware/UpdateCheck.h"
#include "core/firmware/UpdateTexts.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

Localisation EnglishLocalisation() {
  Localisation localisation;
  localisation.chineseUi = false;
  return localisation;
}

// Records what the check asks of the firmware-check thread; the test answers.
struct RecordedFetches final : FirmwareFetches {
  struct Request {
    std::uint64_t check;
    bool image;
    UpdateManifest manifest;
  };
  void FetchManifest(std::uint64_t check) override { requests.push_back({check, false, {}}); }
  void FetchImage(std::uint64_t check, UpdateManifest manifest) override {
    requests.push_back({check, true, std::move(manifest)});
  }
  std::vector<Request> requests;
};

const std::string kQuestion(NewerFirmwareQuestion(false));
const std::string kLatest(LatestFirmwareText(false));
const std::string kUnreachable(ServerUnreachableText(false));
const std::string kTimedOut(ServerTimedOutText(false));
const std::string kImageFailed(kImageDownloadFailedText);

struct UpdateCheckFixture : ::testing::Test {
  test::TempDir temp;
  VirtualClock clock;
  ManualTimers timers{clock};
  test::RecordingMessages messages;
  Localisation localisation = EnglishLocalisation();
  RecordedFetches fetches;
  FirmwareCache cache{temp / "new_version"};
  std::vector<fs::path> flashed;
  UpdateCheck check{timers,  messages, localisation,
                    fetches, cache,    [this](const fs::path& image) { flashed.push_back(image); }};

  UpdateCheckFixture() { check.SetInstalledVersion(17); }

  void CacheManifest(std::uint32_t current) {
    fs::create_directories(cache.folder);
    const std::string text = "<u><firmware><current>" + std::to_string(current) +
                             "</current><newfile>http://s/fw.bin</newfile></firmware></u>";
    ASSERT_EQ(
        WriteFileAtomic(cache.Manifest(), std::vector<std::uint8_t>(text.begin(), text.end())),
        FileError::kNone);
  }
  static ManifestDownload Offered(std::uint32_t current) {
    return {DownloadError::kNone, {current, "http://s/fw.bin", ""}, {}};
  }
};

using UpdateChecks = UpdateCheckFixture;

TEST_F(UpdateChecks, ANewerCachedManifestAsksWithoutFetchingItAgain) {
  CacheManifest(18);
  check.CheckForUpdate();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kQuestion});
  EXPECT_TRUE(messages.shown[0].hasCancel);
  ASSERT_EQ(fetches.requests.size(), 1u);
  EXPECT_TRUE(fetches.requests[0].image);
  EXPECT_EQ(fetches.requests[0].manifest.current, 18u);
  EXPECT_EQ(fetches.requests[0].manifest.imageUrl, "http://s/fw.bin");
  EXPECT_FALSE(check.Idle());

  check.ImageFetched(fetches.requests[0].check, {DownloadError::kNone, cache.Image(), "ab", {}});
  EXPECT_EQ(flashed, std::vector<fs::path>{cache.Image()});
  EXPECT_TRUE(check.Idle());
  EXPECT_EQ(timers.RunningCount(), 0u);
}

TEST_F(UpdateChecks, TheSameVersionHereAndOnTheServerIsTheLatest) {
  CacheManifest(17);
  check.CheckForUpdate();
  ASSERT_EQ(fetches.requests.size(), 1u);
  EXPECT_FALSE(fetches.requests[0].image);
  EXPECT_TRUE(messages.shown.empty());
  timers.Advance(300);
  check.ManifestFetched(fetches.requests[0].check, Offered(17));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kLatest});
  EXPECT_FALSE(messages.shown[0].hasCancel);
  EXPECT_TRUE(check.Idle());
  EXPECT_EQ(timers.RunningCount(), 0u);
  timers.Advance(5000);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(UpdateChecks, ANewerServerManifestWhoseImageFailsIsToldAndTheCheckEnds) {
  check.CheckForUpdate();
  check.ManifestFetched(fetches.requests[0].check, Offered(20));
  ASSERT_EQ(fetches.requests.size(), 2u);
  EXPECT_TRUE(fetches.requests[1].image);
  EXPECT_EQ(fetches.requests[1].manifest.current, 20u);
  // The download takes as long as it takes: the time-out guards the manifest.
  timers.Advance(10000);
  check.ImageFetched(fetches.requests[1].check, {DownloadError::kChecksum, {}, "ab", "mismatch"});
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kQuestion, kImageFailed}));
  EXPECT_TRUE(flashed.empty());
  EXPECT_TRUE(check.Idle());
}

TEST_F(UpdateChecks, CancellingTheQuestionDownloadsNothing) {
  messages.answer = InfoAnswer::kCancel;
  check.CheckForUpdate();
  check.ManifestFetched(fetches.requests[0].check, Offered(20));
  EXPECT_EQ(fetches.requests.size(), 1u);
  EXPECT_TRUE(check.Idle());
  EXPECT_TRUE(flashed.empty());
}

TEST_F(UpdateChecks, AnUnreachableServerIsNeverTheLatestVersion) {
  check.CheckForUpdate();
  check.ManifestFetched(fetches.requests[0].check,
                        {DownloadError::kUnreachable, {}, "Connection refused"});
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kUnreachable});
  EXPECT_TRUE(check.Idle());
}

TEST_F(UpdateChecks, ASilentServerIsToldAtTwoSecondsAsNoAnswerAndItsLateAnswerNotEvaluated) {
  check.CheckForUpdate();
  timers.Advance(1999);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(check.Idle());
  timers.Advance(1);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kTimedOut});
  EXPECT_FALSE(messages.shown[0].hasCancel);
  EXPECT_TRUE(check.Idle());
  timers.Advance(1000);
  check.ManifestFetched(fetches.requests[0].check, Offered(20));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(fetches.requests.size(), 1u);
}

TEST_F(UpdateChecks, ALateAnswerToAnOldCheckDoesNotAnswerTheNewOne) {
  check.CheckForUpdate();
  timers.Advance(2000);
  check.CheckForUpdate();
  ASSERT_EQ(fetches.requests.size(), 2u);
  check.ManifestFetched(fetches.requests[0].check, Offered(20));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kTimedOut});
  check.ManifestFetched(fetches.requests[1].check, Offered(17));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kTimedOut, kLatest}));
}

TEST_F(UpdateChecks, ASecondPressWhileACheckRunsDoesNothing) {
  check.CheckForUpdate();
  check.CheckForUpdate();
  EXPECT_EQ(fetches.requests.size(), 1u);
  EXPECT_EQ(timers.RunningCount(), 1u);
}

TEST_F(UpdateChecks, AMouseWithoutAVersionTakesAnyOfferedOne) {
  check.SetInstalledVersion(0);
  check.CheckForUpdate();
  check.ManifestFetched(fetches.requests[0].check, Offered(1));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kQuestion});
}

TEST_F(UpdateChecks, EachEndOfACheckIsToldInTheInterfacesWording) {
  enum class End { kSameVersion, kServerUnreachable, kServerTimedOut };
  struct Case {
    End end;
    bool chinese;
    std::string text;
  };
  const std::vector<Case> cases = {
      {End::kSameVersion, false, "Firmware is the latest version."},
      {End::kSameVersion, true, "固件已经是最新版本."},
      {End::kServerUnreachable, false,
       "The update server could not be reached. Please try again later."},
      {End::kServerUnreachable, true, "无法连接升级服务器,请稍后再试."},
      {End::kServerTimedOut, false,
       "The update server did not answer in time. Please try again later."},
      {End::kServerTimedOut, true, "升级服务器没有及时响应,请稍后再试."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    messages.shown.clear();
    localisation.chineseUi = c.chinese;
    check.CheckForUpdate();
    const std::uint64_t asked = fetches.requests.back().check;
    switch (c.end) {
      case End::kSameVersion:
        check.ManifestFetched(asked, Offered(17));
        break;
      case End::kServerUnreachable:
        check.ManifestFetched(asked, {DownloadError::kUnreachable, {}, "Connection refused"});
        break;
      case End::kServerTimedOut:
        timers.Advance(UpdateCheck::kTimeOutMs);
        break;
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.text});
    EXPECT_TRUE(check.Idle());
  }
}

}  // namespace
}  // namespace n63k
