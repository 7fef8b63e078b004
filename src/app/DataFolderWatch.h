#pragma once

#include <QFileSystemWatcher>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace n63k::app {

// Tells when files of the data folder were replaced on disk. Files are saved
// by writing a new file and renaming it over the old one, which a watch on
// the file itself would lose, so the folders are watched. A burst of changes
// (one tool run saves several files) is told once, after it settles.
class DataFolderWatch {
 public:
  DataFolderWatch(const std::filesystem::path& dataFolder, std::function<void()> changed);

 private:
  QFileSystemWatcher watcher_;
  QTimer settle_;
};

}  // namespace n63k::app
