#include "skins/SkinWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <utility>

#include "core/pages/SkinPictures.h"

namespace n63k::skins {

SkinWriter::SkinWriter(QString programDir) : programDir_(std::move(programDir)) {}

void SkinWriter::Write(std::string_view file, QSize size, Surface surface, const Paint& paint) {
  for (const int scale : {1, skin_files::kLargeScale}) {
    const bool opaque = surface == Surface::Opaque;
    QImage image(size * scale, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      painter.scale(scale, scale);
      paint(painter, scale);
    }
    const QString path =
        programDir_ + '/' + QString::fromStdString(skin_files::AtScale(file, scale));
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path)) {
      failures_.push_back(path);
    } else {
      ++written_;
    }
  }
}

}  // namespace n63k::skins
