// The progress window: its background with the empty track, and the same
// picture with the track filled, from which the bar takes its filled part.
#include "core/pages/ProgressLayout.h"
#include "core/pages/SkinFiles.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace progress_window;

constexpr QSize kSize{kWidth, kHeight};

void PaintWindow(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kPanel);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

}  // namespace

void WriteProgressSkins(SkinWriter& writer) {
  writer.Write(skin_files::kProgressNormal, kSize, SkinWriter::Surface::Opaque,
               [](QPainter& painter, int) {
                 PaintWindow(painter);
                 painter.fillPath(RoundedBox(ToRectF(kBar)), kWell);
                 painter.strokePath(RoundedBox(ToRectF(kBar).adjusted(0.5, 0.5, -0.5, -0.5)),
                                    QPen(kEdge, 1));
               });
  writer.Write(skin_files::kProgressOver, kSize, SkinWriter::Surface::Opaque,
               [](QPainter& painter, int) {
                 PaintWindow(painter);
                 FillRaisedBox(painter, ToRectF(kBar), kAccent, kAccentEdge);
               });
}

}  // namespace n63k::skins
