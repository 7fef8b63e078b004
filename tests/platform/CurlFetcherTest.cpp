#include <gtest/gtest.h>

#include <thread>

#include "platform/CurlFetcher.h"
#include "support/LocalHttpServer.h"

namespace n63k {
namespace {

using test::LocalHttpServer;

struct CurlFetcherTest : ::testing::Test {
  LocalHttpServer server;
  CurlFetcher fetcher;
  std::atomic<bool> stop{false};
};

TEST_F(CurlFetcherTest, AWholeBodyComesWithItsChecksum) {
  server.Set("/fw.bin", {200, "image", 0});
  const FetchResult result = fetcher.Fetch(server.Url("/fw.bin"), 5, stop);
  EXPECT_EQ(result.status, FetchStatus::kOk);
  EXPECT_EQ(std::string(result.body.begin(), result.body.end()), "image");
  EXPECT_EQ(result.sha256, "6105d6cc76af400325e94d588ce511be5bfdbb73b437dc51eca43917d7a43e3d");
}

TEST_F(CurlFetcherTest, FailuresAreNeverABody) {
  server.Set("/missing", {404, "not found page", 0});
  server.Set("/error", {500, "", 0});
  server.Set("/large", {200, std::string(11, 'x'), 0});
  struct Case {
    std::string url;
    FetchStatus status;
  } const cases[] = {
      {server.Url("/missing"), FetchStatus::kFailed},
      {server.Url("/error"), FetchStatus::kFailed},
      {server.Url("/large"), FetchStatus::kTooLarge},
      {"http://127.0.0.1:1/refused", FetchStatus::kFailed},
      {"file:///etc/hostname", FetchStatus::kFailed},
      {"ftp://127.0.0.1/fw.bin", FetchStatus::kFailed},
  };
  for (const Case& c : cases) {
    const FetchResult result = fetcher.Fetch(c.url, 10, stop);
    EXPECT_EQ(result.status, c.status) << c.url;
    EXPECT_TRUE(result.body.empty()) << c.url;
    EXPECT_FALSE(result.detail.empty()) << c.url;
  }
}

TEST_F(CurlFetcherTest, StoppingEndsAFetchThatWaitsForTheServer) {
  server.Set("/slow", {200, "late", 60000});
  std::thread stopper([this] {
    while (server.Requests() == 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    stop = true;
  });
  const FetchResult result = fetcher.Fetch(server.Url("/slow"), 100, stop);
  stopper.join();
  EXPECT_EQ(result.status, FetchStatus::kStopped);
}

}  // namespace
}  // namespace n63k
