#include "core/firmware/FirmwareCheckThread.h"

#include <utility>

namespace n63k {

FirmwareCheckThread::FirmwareCheckThread(HttpFetcher& fetcher, std::string manifestUrl,
                                         FirmwareCache cache, FirmwareResults& results)
    : fetcher_(fetcher),
      manifestUrl_(std::move(manifestUrl)),
      cache_(std::move(cache)),
      results_(results),
      thread_([this] { Run(); }) {}

FirmwareCheckThread::~FirmwareCheckThread() {
  Stop();
}

void FirmwareCheckThread::FetchManifest(std::uint64_t check) {
  Post({check, std::nullopt});
}

void FirmwareCheckThread::FetchImage(std::uint64_t check, UpdateManifest manifest) {
  Post({check, std::move(manifest)});
}

void FirmwareCheckThread::Post(Job job) {
  {
    const std::lock_guard lock(mutex_);
    pending_ = std::move(job);
  }
  wake_.notify_one();
}

void FirmwareCheckThread::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void FirmwareCheckThread::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || pending_.has_value(); });
      if (stop_) {
        return;
      }
      job = std::move(*pending_);
      pending_.reset();
    }
    if (job.image) {
      ImageDownload download = DownloadImage(fetcher_, *job.image, cache_, stop_);
      if (download.error != DownloadError::kStopped && !stop_) {
        results_.ImageFetched(job.check, std::move(download));
      }
    } else {
      ManifestDownload download = DownloadManifest(fetcher_, manifestUrl_, cache_, stop_);
      if (download.error != DownloadError::kStopped && !stop_) {
        results_.ManifestFetched(job.check, std::move(download));
      }
    }
  }
}

}  // namespace n63k
