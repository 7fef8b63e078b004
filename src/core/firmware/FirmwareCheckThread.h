#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/firmware/FirmwareFetches.h"

namespace n63k {

// The firmware-check thread: runs one download at a time, the latest asked
// for, and reports each result. Destroying it stops a transfer under way and
// joins the thread without waiting for the server.
class FirmwareCheckThread final : public FirmwareFetches {
 public:
  FirmwareCheckThread(HttpFetcher& fetcher, std::string manifestUrl, FirmwareCache cache,
                      FirmwareResults& results);
  ~FirmwareCheckThread() override;
  FirmwareCheckThread(const FirmwareCheckThread&) = delete;
  FirmwareCheckThread& operator=(const FirmwareCheckThread&) = delete;

  void FetchManifest(std::uint64_t check) override;
  void FetchImage(std::uint64_t check, UpdateManifest manifest) override;

  // Ends the thread: a transfer under way is cut short and nothing more is
  // reported. Safe to call more than once.
  void Stop();

 private:
  struct Job {
    std::uint64_t check = 0;
    std::optional<UpdateManifest> image;  // none: the manifest
  };

  void Post(Job job);
  void Run();

  HttpFetcher& fetcher_;
  const std::string manifestUrl_;
  const FirmwareCache cache_;
  FirmwareResults& results_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Job> pending_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace n63k
