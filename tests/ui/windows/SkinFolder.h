#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <filesystem>
#include <string_view>

#include "support/TestFiles.h"

namespace n63k::test {

// A program folder holding only the pictures a test paints itself.
class SkinFolder {
 public:
  // Writes a `width` x `height` picture of one colour at the skin name `name`.
  void Paint(std::string_view name, int width, int height, QColor colour) {
    const std::filesystem::path file = dir_.path() / std::filesystem::path(name);
    QDir().mkpath(QString::fromStdString(file.parent_path().string()));
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString(file.string()));
  }

  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;
};

}  // namespace n63k::test
