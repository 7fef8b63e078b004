// The thumb of every slider. Its corners carry the see-through key colour,
// so its edge is drawn pixel by pixel, without blending into the key.
#include <QImage>

#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

constexpr QSize kSize{skin_files::kSliderThumbSize.width, skin_files::kSliderThumbSize.height};
constexpr int kRadius = 3;

// Whether device pixel (x, y) lies in the thumb's rounded outline, tested at
// the pixel's centre.
bool Inside(int x, int y, QSize size, int radius) {
  const double px = x + 0.5;
  const double py = y + 0.5;
  const double cx =
      px < radius ? radius : (px > size.width() - radius ? size.width() - radius : px);
  const double cy =
      py < radius ? radius : (py > size.height() - radius ? size.height() - radius : py);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
}

QImage PaintThumb(int scale) {
  const QSize size = kSize * scale;
  const int radius = kRadius * scale;
  QImage image(size, QImage::Format_RGB32);
  image.fill(kSeeThroughKey);
  const auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < size.width() && y < size.height() && Inside(x, y, size, radius);
  };
  const int gripLeft = (size.width() - scale) / 2;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      if (!inside(x, y)) {
        continue;
      }
      const bool edge = !inside(x - scale, y) || !inside(x + scale, y) || !inside(x, y - scale) ||
                        !inside(x, y + scale);
      const bool grip = x >= gripLeft && x < gripLeft + scale && y >= size.height() / 4 &&
                        y < size.height() - size.height() / 4;
      QColor colour = kAccent;
      if (edge || grip) {
        colour = kAccentEdge;
      } else if (y < size.height() / 3) {
        colour = kAccentOver;
      }
      image.setPixelColor(x, y, colour);
    }
  }
  return image;
}

}  // namespace

void WriteSliderThumb(SkinWriter& writer) {
  writer.Write(skin_files::kSliderThumb, kSize, SkinWriter::Surface::Opaque,
               [](QPainter& painter, int scale) {
                 painter.resetTransform();
                 painter.drawImage(0, 0, PaintThumb(scale));
               });
}

}  // namespace n63k::skins
