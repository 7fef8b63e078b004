#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "core/firmware/FirmwareCheckThread.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

// Holds every fetch until the program stops, like a server that never
// answers.
struct SilentServer final : HttpFetcher {
  FetchResult Fetch(const std::string&, std::size_t, const std::atomic<bool>& stop) override {
    {
      const std::lock_guard lock(mutex);
      ++started;
    }
    changed.notify_all();
    while (!stop) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {FetchStatus::kStopped, {}, {}, "stopped"};
  }
  void WaitForStart() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return started > 0; });
  }
  std::mutex mutex;
  std::condition_variable changed;
  int started = 0;
};

struct CountedResults final : FirmwareResults {
  void ManifestFetched(std::uint64_t, ManifestDownload) override { ++reported; }
  void ImageFetched(std::uint64_t, ImageDownload) override { ++reported; }
  std::atomic<int> reported{0};
};

TEST(FirmwareCheckThread, StoppingCutsATransferShortAndReportsNothing) {
  test::TempDir temp;
  SilentServer server;
  CountedResults results;
  {
    FirmwareCheckThread thread(server, "http://127.0.0.1:9/update.xml", {temp / "cache"}, results);
    thread.FetchManifest(1);
    server.WaitForStart();
  }
  EXPECT_EQ(results.reported, 0);
}

// Answers at once, from the thread.
struct OneAnswer final : HttpFetcher {
  FetchResult Fetch(const std::string& url, std::size_t, const std::atomic<bool>&) override {
    const std::string text =
        url.ends_with(".xml") ? "<u><firmware><current>9</current></firmware></u>" : "image";
    return {FetchStatus::kOk, {text.begin(), text.end()}, "ab", {}};
  }
};

struct WaitedResults final : FirmwareResults {
  void ManifestFetched(std::uint64_t check, ManifestDownload download) override {
    Add(check, download.manifest.current);
  }
  void ImageFetched(std::uint64_t check, ImageDownload download) override {
    Add(check, download.path.empty() ? 0 : 1);
  }
  void Add(std::uint64_t check, std::uint32_t value) {
    {
      const std::lock_guard lock(mutex);
      got.emplace_back(check, value);
    }
    changed.notify_all();
  }
  void WaitFor(std::size_t count) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return got.size() >= count; });
  }
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> got;
};

TEST(FirmwareCheckThread, ReportsEachDownloadWithItsCheck) {
  test::TempDir temp;
  OneAnswer server;
  WaitedResults results;
  FirmwareCheckThread thread(server, "http://s/update.xml", {temp / "cache"}, results);
  thread.FetchManifest(4);
  results.WaitFor(1);
  thread.FetchImage(5, {9, "http://s/fw.bin", ""});
  results.WaitFor(2);
  EXPECT_EQ(results.got, (std::vector<std::pair<std::uint64_t, std::uint32_t>>{{4, 9}, {5, 1}}));
  EXPECT_TRUE(std::filesystem::exists(temp / "cache/KorvuGameDevice.bin"));
}

// Holds the first fetch until the test lets it go.
struct HeldServer final : HttpFetcher {
  FetchResult Fetch(const std::string&, std::size_t, const std::atomic<bool>&) override {
    std::unique_lock lock(mutex);
    ++started;
    changed.notify_all();
    changed.wait(lock, [this] { return released; });
    const std::string text =
        "<u><firmware><current>" + std::to_string(started) + "</current></firmware></u>";
    return {FetchStatus::kOk, {text.begin(), text.end()}, "ab", {}};
  }
  std::mutex mutex;
  std::condition_variable changed;
  int started = 0;
  bool released = false;
};

TEST(FirmwareCheckThread, OnlyTheLatestRequestWaitsWhileAFetchRuns) {
  test::TempDir temp;
  HeldServer server;
  WaitedResults results;
  FirmwareCheckThread thread(server, "http://s/update.xml", {temp / "cache"}, results);
  thread.FetchManifest(1);
  {
    std::unique_lock lock(server.mutex);
    server.changed.wait(lock, [&] { return server.started == 1; });
  }
  thread.FetchManifest(2);
  thread.FetchManifest(3);
  {
    const std::lock_guard lock(server.mutex);
    server.released = true;
  }
  server.changed.notify_all();
  results.WaitFor(2);
  EXPECT_EQ(results.got, (std::vector<std::pair<std::uint64_t, std::uint32_t>>{{1, 1}, {3, 2}}));
}

}  // namespace
}  // namespace n63k
