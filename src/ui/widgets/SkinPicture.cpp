#include "ui/widgets/SkinPicture.h"

#include <QGuiApplication>
#include <QImage>

namespace n63k::ui {
namespace {

std::filesystem::path DoubleSizeName(const std::filesystem::path& file) {
  std::filesystem::path name = file;
  name.replace_filename(file.stem().string() + "@2x" + file.extension().string());
  return name;
}

QPixmap LoadFile(const std::filesystem::path& file) {
  QPixmap picture;
  picture.load(QString::fromStdString(file.string()));
  return picture;
}

}  // namespace

qreal ScreenRatio() {
  return qGuiApp->devicePixelRatio();
}

QPixmap LoadSkinPicture(const std::filesystem::path& programFolder, std::string_view name,
                        qreal screenRatio) {
  const std::filesystem::path file = programFolder / std::filesystem::path(name);
  if (screenRatio > 1.0) {
    QPixmap large = LoadFile(DoubleSizeName(file));
    if (!large.isNull()) {
      large.setDevicePixelRatio(2.0);
      return large;
    }
  }
  return LoadFile(file);
}

QPixmap CutSkinPicture(const QPixmap& picture, const Rect& piece) {
  if (picture.isNull() || piece.Width() <= 0 || piece.Height() <= 0) {
    return {};
  }
  const qreal ratio = picture.devicePixelRatio();
  const QRect pixels(qRound(piece.left * ratio), qRound(piece.top * ratio),
                     qRound(piece.Width() * ratio), qRound(piece.Height() * ratio));
  QImage image = picture.toImage();
  if (!image.rect().contains(pixels)) {
    // Copying fills the outside with zeros, which only an alpha channel reads
    // as see-through.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  QImage cut = image.copy(pixels);
  cut.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(std::move(cut));
}

QSize LogicalSize(const QPixmap& picture) {
  return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

}  // namespace n63k::ui
