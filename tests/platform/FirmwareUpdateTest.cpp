#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "core/base/ManualTimers.h"
#include "core/firmware/FirmwareCheckThread.h"
#include "core/firmware/UpdateCheck.h"
#include "core/firmware/UpdateTexts.h"
#include "platform/CurlFetcher.h"
#include "support/CaseName.h"
#include "support/LocalHttpServer.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::LocalHttpServer;

constexpr char kManifestPath[] = "/software/n63K/update.xml";
const std::string kQuestion(NewerFirmwareQuestion(false));
const std::string kLatest(LatestFirmwareText(false));
const std::string kUnreachable(ServerUnreachableText(false));
const std::string kTimedOut(ServerTimedOutText(false));
const std::string kFailed(kImageDownloadFailedText);
// The checksum of "image".
constexpr char kImageSha[] = "6105d6cc76af400325e94d588ce511be5bfdbb73b437dc51eca43917d7a43e3d";

// The firmware-check thread's results, held until the test hands them to the
// check on its own thread, as the window's event loop would.
class QueuedResults final : public FirmwareResults {
 public:
  void ManifestFetched(std::uint64_t check, ManifestDownload download) override {
    Push([check, download](UpdateCheck& update) { update.ManifestFetched(check, download); });
  }
  void ImageFetched(std::uint64_t check, ImageDownload download) override {
    Push([check, download](UpdateCheck& update) { update.ImageFetched(check, download); });
  }

  // Waits for the next result and hands it over; false when none came.
  bool DeliverNext(UpdateCheck& update) {
    std::function<void(UpdateCheck&)> next;
    {
      std::unique_lock lock(mutex_);
      if (!arrived_.wait_for(lock, std::chrono::seconds(30), [this] { return !queue_.empty(); })) {
        return false;
      }
      next = std::move(queue_.front());
      queue_.pop_front();
    }
    next(update);
    return true;
  }

 private:
  void Push(std::function<void(UpdateCheck&)> result) {
    {
      const std::lock_guard lock(mutex_);
      queue_.push_back(std::move(result));
    }
    arrived_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void(UpdateCheck&)>> queue_;
};

Localisation English() {
  Localisation localisation;
  localisation.chineseUi = false;
  return localisation;
}

struct UpdateFixture {
  explicit UpdateFixture(const std::string& manifestUrl = {})
      : thread(fetcher, manifestUrl.empty() ? server.Url(kManifestPath) : manifestUrl, cache,
               results) {
    update.SetInstalledVersion(17);
  }

  test::TempDir temp;
  LocalHttpServer server;
  CurlFetcher fetcher;
  FirmwareCache cache{temp / "cache/KORVU/N63K/new_version"};
  QueuedResults results;
  VirtualClock clock;
  ManualTimers timers{clock};
  test::RecordingMessages messages;
  Localisation localisation = English();
  std::vector<fs::path> flashed;
  FirmwareCheckThread thread;
  UpdateCheck update{timers, messages, localisation,
                     thread, cache,    [this](const fs::path& image) { flashed.push_back(image); }};
};

std::string Manifest(const std::string& firmware) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?><update><firmware>" + firmware +
         "</firmware></update>";
}

struct ServerCase {
  std::string name;
  // IMAGE in the manifest stands for the image's address on the server.
  LocalHttpServer::Answer manifest;
  LocalHttpServer::Answer image;
  std::vector<std::string> told;
  bool flashed;
};

class UpdateAgainstAServer : public ::testing::TestWithParam<ServerCase> {};

TEST_P(UpdateAgainstAServer, TellsWhatTheServerOffersAndFlashesOnlyAGoodImage) {
  const ServerCase& c = GetParam();
  UpdateFixture f;
  LocalHttpServer::Answer manifest = c.manifest;
  if (const std::size_t at = manifest.body.find("IMAGE"); at != std::string::npos) {
    manifest.body.replace(at, 5, f.server.Url("/fw.bin"));
  }
  f.server.Set(kManifestPath, manifest);
  f.server.Set("/fw.bin", c.image);

  f.update.CheckForUpdate();
  ASSERT_TRUE(f.results.DeliverNext(f.update));
  if (!f.update.Idle()) {
    ASSERT_TRUE(f.results.DeliverNext(f.update));
  }
  EXPECT_EQ(f.messages.Texts(), c.told);
  EXPECT_TRUE(f.update.Idle());
  EXPECT_EQ(f.flashed.size(), c.flashed ? 1u : 0u);
  if (c.flashed) {
    EXPECT_EQ(f.flashed[0], f.cache.Image());
    EXPECT_EQ(test::ReadText(f.cache.Image()), "image");
  } else {
    EXPECT_FALSE(fs::exists(f.cache.Image()));
  }
  EXPECT_EQ(f.timers.RunningCount(), 0u);
}

const LocalHttpServer::Answer kImage{200, "image", 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateAgainstAServer,
    ::testing::Values(
        ServerCase{"Newer",
                   {200, Manifest("<current>20</current><newfile>IMAGE</newfile>"), 0},
                   kImage,
                   {kQuestion},
                   true},
        ServerCase{"NewerWithItsChecksum",
                   {200,
                    Manifest("<current>20</current><newfile>IMAGE</newfile><sha256>" +
                             std::string(kImageSha) + "</sha256>"),
                    0},
                   kImage,
                   {kQuestion},
                   true},
        ServerCase{"Same",
                   {200, Manifest("<current>17</current><newfile>IMAGE</newfile>"), 0},
                   kImage,
                   {kLatest},
                   false},
        ServerCase{"Older",
                   {200, Manifest("<current>16</current><newfile>IMAGE</newfile>"), 0},
                   kImage,
                   {kLatest},
                   false},
        ServerCase{
            "NoCurrent", {200, Manifest("<newfile>IMAGE</newfile>"), 0}, kImage, {kLatest}, false},
        ServerCase{"NoNewfile",
                   {200, Manifest("<current>20</current>"), 0},
                   kImage,
                   {kQuestion, kFailed},
                   false},
        ServerCase{"LeadingZeros",
                   {200, Manifest("<current>0020</current><newfile>IMAGE</newfile>"), 0},
                   kImage,
                   {kQuestion},
                   true},
        ServerCase{"LetterFirst",
                   {200, Manifest("<current>x20</current><newfile>IMAGE</newfile>"), 0},
                   kImage,
                   {kLatest},
                   false},
        ServerCase{"ImageMissing",
                   {200, Manifest("<current>20</current><newfile>IMAGE</newfile>"), 0},
                   {404, "no", 0},
                   {kQuestion, kFailed},
                   false},
        ServerCase{"ChecksumMismatch",
                   {200,
                    Manifest("<current>20</current><newfile>IMAGE</newfile><sha256>" +
                             std::string(64, '0') + "</sha256>"),
                    0},
                   kImage,
                   {kQuestion, kFailed},
                   false},
        ServerCase{"ImageOverTheLimit",
                   {200, Manifest("<current>20</current><newfile>IMAGE</newfile>"), 0},
                   {200, std::string(kMaxImageBytes + 1, 'x'), 0},
                   {kQuestion, kFailed},
                   false},
        ServerCase{
            "NewfileNotHttp",
            {200, Manifest("<current>20</current><newfile>file:///etc/hostname</newfile>"), 0},
            kImage,
            {kQuestion, kFailed},
            false},
        ServerCase{"ManifestMissing", {404, "no", 0}, kImage, {kUnreachable}, false}),
    test::CaseName<ServerCase>);

TEST(UpdateAgainstAServer, ARefusedConnectionIsNotTheLatestVersion) {
  UpdateFixture f("http://127.0.0.1:1/software/n63K/update.xml");
  f.update.CheckForUpdate();
  ASSERT_TRUE(f.results.DeliverNext(f.update));
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{kUnreachable});
  EXPECT_TRUE(f.update.Idle());
}

TEST(UpdateAgainstAServer, AnAnswerAfterThreeSecondsIsToldAtTwoAsNoneAndKeptButNotEvaluated) {
  UpdateFixture f;
  f.server.Set(kManifestPath, {200, Manifest("<current>20</current><newfile>x</newfile>"), 3000});
  f.update.CheckForUpdate();
  f.timers.Advance(UpdateCheck::kTimeOutMs);
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{kTimedOut});
  EXPECT_TRUE(f.update.Idle());
  ASSERT_TRUE(f.results.DeliverNext(f.update));
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{kTimedOut});
  // The late manifest answers the next press from the cache.
  EXPECT_TRUE(fs::exists(f.cache.Manifest()));
  f.messages.answer = InfoAnswer::kCancel;
  f.update.CheckForUpdate();
  EXPECT_EQ(f.messages.Texts(), (std::vector<std::string>{kTimedOut, kQuestion}));
  EXPECT_EQ(f.server.Requests(), 1);
}

TEST(UpdateAgainstAServer, PressingTwiceFetchesOnce) {
  UpdateFixture f;
  f.server.Set(kManifestPath, {200, Manifest("<current>17</current>"), 0});
  f.update.CheckForUpdate();
  f.update.CheckForUpdate();
  ASSERT_TRUE(f.results.DeliverNext(f.update));
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{kLatest});
  EXPECT_EQ(f.server.Requests(), 1);
}

}  // namespace
}  // namespace n63k
