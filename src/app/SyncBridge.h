#pragma once

#include <QObject>
#include <functional>

#include "core/device/SyncWorker.h"

namespace n63k::app {

// Carries the write worker's notices from its thread onto the window thread,
// in the order sent. Notices that arrive after `context` is gone are dropped.
class SyncBridge final : public SyncListener {
 public:
  struct Handlers {
    std::function<void(int percent)> progress;
    std::function<void()> done;
    std::function<void(SyncFailure)> failed;
  };

  SyncBridge(QObject& context, Handlers handlers)
      : context_(context), handlers_(std::move(handlers)) {}

  void OnSyncProgress(int percent) override;
  void OnSyncDone() override;
  void OnSyncFailed(SyncFailure failure) override;

 private:
  QObject& context_;
  Handlers handlers_;
};

}  // namespace n63k::app
