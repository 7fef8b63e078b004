// The flag of each language, large for the main window and small for the
// language list: flat, simplified shapes that stay readable at 19 x 11.
// Painted in device pixels so that stripes fall on whole pixels.
#include <QPainterPath>
#include <QtMath>
#include <vector>

#include "core/i18n/Languages.h"
#include "core/pages/SkinPictures.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

// Bands of relative widths, across (vertical stripes) or down (horizontal).
void Bands(QPainter& painter, QSize size, bool vertical,
           const std::vector<std::pair<int, QColor>>& bands) {
  int total = 0;
  for (const auto& band : bands) {
    total += band.first;
  }
  const int length = vertical ? size.width() : size.height();
  int done = 0;
  int start = 0;
  for (const auto& [weight, colour] : bands) {
    done += weight;
    const int end = (length * done + total / 2) / total;
    painter.fillRect(vertical ? QRect(start, 0, end - start, size.height())
                              : QRect(0, start, size.width(), end - start),
                     colour);
    start = end;
  }
}

QPainterPath Star(QPointF centre, qreal radius, qreal turn) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal r = i % 2 == 0 ? radius : radius * 0.382;
    const qreal angle = qDegreesToRadians(turn - 90 + 36 * i);
    const QPointF point = centre + QPointF(r * qCos(angle), r * qSin(angle));
    i == 0 ? star.moveTo(point) : star.lineTo(point);
  }
  star.closeSubpath();
  return star;
}

void China(QPainter& painter, QSize size) {
  const qreal w = size.width() / 30.0;
  const qreal h = size.height() / 20.0;
  painter.fillRect(QRect(QPoint(0, 0), size), QColor(0xde, 0x29, 0x10));
  const QColor yellow(0xff, 0xde, 0x00);
  painter.fillPath(Star(QPointF(5 * w, 5 * h), 3.4 * h, 0), yellow);
  // The four small stars only where they get more than a pixel or two.
  if (size.height() >= 20) {
    for (const QPointF& at : {QPointF(10, 2), QPointF(12, 4), QPointF(12, 7), QPointF(10, 9)}) {
      painter.fillPath(Star(QPointF(at.x() * w, at.y() * h), 1.2 * h, 20), yellow);
    }
  }
}

void UnitedKingdom(QPainter& painter, QSize size) {
  const qreal w = size.width();
  const qreal h = size.height();
  painter.fillRect(QRect(QPoint(0, 0), size), QColor(0x01, 0x21, 0x69));
  const QColor red(0xc8, 0x10, 0x2e);
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), size));
  for (const auto& [pen, colour] : {std::pair{0.24, QColor(Qt::white)}, std::pair{0.08, red}}) {
    painter.setPen(QPen(colour, pen * h));
    painter.drawLine(QPointF(0, 0), QPointF(w, h));
    painter.drawLine(QPointF(0, h), QPointF(w, 0));
  }
  painter.restore();
  const qreal white = qMax(3.0, qRound(h / 3.0 / 2) * 2.0 + 1);
  const qreal redBar = qMax(1.0, white - 2 * qMax(1.0, qRound(h / 15.0) * 1.0));
  painter.fillRect(QRectF((w - white) / 2, 0, white, h), Qt::white);
  painter.fillRect(QRectF(0, (h - white) / 2, w, white), Qt::white);
  painter.fillRect(QRectF((w - redBar) / 2, 0, redBar, h), red);
  painter.fillRect(QRectF(0, (h - redBar) / 2, w, redBar), red);
}

void Korea(QPainter& painter, QSize size) {
  const qreal h = size.height();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  const QPointF c(size.width() / 2.0, h / 2.0);
  const qreal r = h / 4.0;
  const QColor red(0xcd, 0x2e, 0x3a);
  const QColor blue(0x00, 0x47, 0xa0);
  QPainterPath top;
  top.moveTo(c);
  top.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180);
  top.closeSubpath();
  QPainterPath bottom;
  bottom.moveTo(c);
  bottom.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, 180);
  bottom.closeSubpath();
  painter.fillPath(top, red);
  painter.fillPath(bottom, blue);
  QPainterPath left;
  left.addEllipse(c + QPointF(-r / 2, 0), r / 2, r / 2);
  QPainterPath right;
  right.addEllipse(c + QPointF(r / 2, 0), r / 2, r / 2);
  painter.fillPath(left, red);
  painter.fillPath(right, blue);
  // The trigrams as three short bars in each corner, along the diagonals.
  const qreal angle = qRadiansToDegrees(qAtan2(h, size.width()));
  const qreal bar = h * 0.05;
  for (int corner = 0; corner < 4; ++corner) {
    const qreal sx = corner % 3 == 0 ? -1 : 1;
    const qreal sy = corner < 2 ? -1 : 1;
    painter.save();
    painter.translate(c + QPointF(sx * size.width() * 0.33, sy * h * 0.31));
    painter.rotate(sx * sy * angle + 90);
    for (int i = -1; i <= 1; ++i) {
      painter.fillRect(QRectF(-h * 0.13, i * bar * 1.8 - bar / 2, h * 0.26, bar), Qt::black);
    }
    painter.restore();
  }
}

void Portugal(QPainter& painter, QSize size) {
  Bands(painter, size, true, {{2, QColor(0x00, 0x66, 0x00)}, {3, QColor(0xff, 0x00, 0x00)}});
  const qreal h = size.height();
  const QPointF c(size.width() * 2 / 5.0, h / 2.0);
  painter.setPen(QPen(QColor(0xff, 0xe0, 0x00), qMax(1.0, h * 0.08)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(c, h * 0.22, h * 0.22);
  painter.fillRect(QRectF(c.x() - h * 0.09, c.y() - h * 0.11, h * 0.18, h * 0.22), Qt::white);
  painter.fillRect(QRectF(c.x() - h * 0.05, c.y() - h * 0.07, h * 0.1, h * 0.14),
                   QColor(0x00, 0x33, 0x99));
}

void PaintFlag(QPainter& painter, int language, QSize size) {
  const QColor white(Qt::white);
  switch (language) {
    case kLanguageChinese:
    case 12:  // Traditional Chinese shows the same flag
      China(painter, size);
      break;
    case kLanguageEnglish:
      UnitedKingdom(painter, size);
      break;
    case 3:
      Bands(painter, size, true,
            {{1, QColor(0x00, 0x55, 0xa4)}, {1, white}, {1, QColor(0xef, 0x41, 0x35)}});
      break;
    case 4:
      Korea(painter, size);
      break;
    case 5:
      Bands(painter, size, false,
            {{1, QColor(0x1a, 0x1a, 0x1a)},
             {1, QColor(0xdd, 0x00, 0x00)},
             {1, QColor(0xff, 0xce, 0x00)}});
      break;
    case 6:
      Bands(painter, size, true,
            {{1, QColor(0x00, 0x92, 0x46)}, {1, white}, {1, QColor(0xce, 0x2b, 0x37)}});
      break;
    case 7:
      Bands(painter, size, false,
            {{1, QColor(0xaa, 0x15, 0x1b)},
             {2, QColor(0xf1, 0xbf, 0x00)},
             {1, QColor(0xaa, 0x15, 0x1b)}});
      break;
    case 8:
      Bands(painter, size, false,
            {{1, QColor(0xae, 0x1c, 0x28)}, {1, white}, {1, QColor(0x21, 0x46, 0x8b)}});
      break;
    case 9:
      Portugal(painter, size);
      break;
    case 10:
      Bands(painter, size, false,
            {{1, white}, {1, QColor(0x00, 0x39, 0xa6)}, {1, QColor(0xd5, 0x2b, 0x1e)}});
      break;
    case 11:
      Bands(painter, size, false, {{1, QColor(0x00, 0x57, 0xb7)}, {1, QColor(0xff, 0xd7, 0x00)}});
      break;
    default:
      break;
  }
  // A faint frame keeps white stripes apart from light and dark surroundings.
  painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
}

void WriteFlag(SkinWriter& writer, const std::string& file, skin_files::PictureSize size,
               int language) {
  writer.Write(file, QSize(size.width, size.height), SkinWriter::Surface::Opaque,
               [size, language](QPainter& painter, int scale) {
                 painter.resetTransform();
                 PaintFlag(painter, language, QSize(size.width, size.height) * scale);
               });
}

}  // namespace

void WriteFlags(SkinWriter& writer) {
  for (int language = 1; language <= kLanguageCount; ++language) {
    WriteFlag(writer, skin_files::FlagFile(language), skin_files::kFlagSize, language);
    WriteFlag(writer, skin_files::SmallFlagFile(language), skin_files::kSmallFlagSize, language);
  }
}

}  // namespace n63k::skins
