#include "app/DataFolderWatch.h"

#include <QString>
#include <QStringList>

namespace n63k::app {

namespace {
constexpr int kSettleMs = 250;
}

DataFolderWatch::DataFolderWatch(const std::filesystem::path& dataFolder,
                                 std::function<void()> changed) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  QObject::connect(&settle_, &QTimer::timeout, std::move(changed));
  watcher_.addPaths({QString::fromStdString(dataFolder.string()),
                     QString::fromStdString((dataFolder / "Profile").string())});
  QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { settle_.start(); });
}

}  // namespace n63k::app
