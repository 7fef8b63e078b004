#include "app/SyncBridge.h"

#include <QMetaObject>

namespace n63k::app {

void SyncBridge::OnSyncProgress(int percent) {
  QMetaObject::invokeMethod(
      &context_, [this, percent] { handlers_.progress(percent); }, Qt::QueuedConnection);
}

void SyncBridge::OnSyncDone() {
  QMetaObject::invokeMethod(
      &context_, [this] { handlers_.done(); }, Qt::QueuedConnection);
}

void SyncBridge::OnSyncFailed(SyncFailure failure) {
  QMetaObject::invokeMethod(
      &context_, [this, failure] { handlers_.failed(failure); }, Qt::QueuedConnection);
}

}  // namespace n63k::app
