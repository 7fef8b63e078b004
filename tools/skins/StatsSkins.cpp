// The statistics page: the background with the figures' panel, the level
// bar's empty track, the unlit small trophies and the reset button; the lit
// look (full bar, lit trophies, pressed reset); the hover look; and the large
// trophy of each level.
#include <QLinearGradient>
#include <QPainterPath>

#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "core/pages/StatsLayout.h"
#include "core/stats/StatsRecord.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

constexpr QSize kSize{stats_page::kWidth, stats_page::kHeight};
constexpr QSize kTrophySize{stats_page::kTrophy.Width(), stats_page::kTrophy.Height()};

// A cup on a stand, filling `box`.
QPainterPath CupPath(const QRectF& box) {
  const qreal w = box.width();
  const qreal h = box.height();
  const qreal x = box.left();
  const qreal y = box.top();
  QPainterPath cup;
  cup.moveTo(x + 0.18 * w, y);
  cup.lineTo(x + 0.82 * w, y);
  cup.cubicTo(x + 0.82 * w, y + 0.45 * h, x + 0.66 * w, y + 0.58 * h, x + 0.55 * w, y + 0.62 * h);
  cup.lineTo(x + 0.55 * w, y + 0.78 * h);
  cup.lineTo(x + 0.72 * w, y + 0.86 * h);
  cup.lineTo(x + 0.72 * w, y + h);
  cup.lineTo(x + 0.28 * w, y + h);
  cup.lineTo(x + 0.28 * w, y + 0.86 * h);
  cup.lineTo(x + 0.45 * w, y + 0.78 * h);
  cup.lineTo(x + 0.45 * w, y + 0.62 * h);
  cup.cubicTo(x + 0.34 * w, y + 0.58 * h, x + 0.18 * w, y + 0.45 * h, x + 0.18 * w, y);
  cup.closeSubpath();
  // The handles.
  QPainterPath handles;
  handles.addEllipse(QRectF(x, y + 0.06 * h, 0.3 * w, 0.28 * h));
  handles.addEllipse(QRectF(x + 0.7 * w, y + 0.06 * h, 0.3 * w, 0.28 * h));
  QPainterPath holes;
  holes.addEllipse(QRectF(x + 0.06 * w, y + 0.11 * h, 0.18 * w, 0.18 * h));
  holes.addEllipse(QRectF(x + 0.76 * w, y + 0.11 * h, 0.18 * w, 0.18 * h));
  return cup.united(handles.subtracted(holes));
}

void PaintCup(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& edge) {
  const QPainterPath cup = CupPath(box);
  QLinearGradient shade(box.topLeft(), box.topRight());
  shade.setColorAt(0, Lifted(fill, 0.12F));
  shade.setColorAt(0.5, fill);
  shade.setColorAt(1, fill.darker(130));
  painter.fillPath(cup, shade);
  painter.strokePath(cup, QPen(edge, 1));
}

// Bronze, silver and gold, then the accent for the top levels.
QColor LevelColour(int level) {
  if (level <= 3) {
    return QColor(0xb0, 0x72, 0x3c);
  }
  if (level <= 7) {
    return QColor(0xb8, 0xc0, 0xcc);
  }
  if (level <= 11) {
    return QColor(0xe8, 0xb8, 0x30);
  }
  return kAccent;
}

void PaintFiguresPanel(QPainter& painter) {
  const QRectF panel(12, 70, 282, 350);
  FillRaisedBox(painter, panel, kRaisedDisabled, kEdgeDisabled);
  // Clicks above, wheel steps below, distance at the foot.
  for (const qreal y : {227.0, 365.0}) {
    painter.fillRect(QRectF(panel.left() + 10, y, panel.width() - 20, 1), kEdge);
  }
}

void PaintTrack(QPainter& painter, bool lit) {
  const QRectF track(stats_page::kLevelBarLeft, stats_page::kLevelBarTop,
                     stats_page::kLevelBarTrack.right - stats_page::kLevelBarLeft,
                     stats_page::kLevelBarBottom - stats_page::kLevelBarTop);
  if (lit) {
    painter.fillRect(track, kAccent);
  } else {
    painter.fillRect(track, kWell);
    painter.strokePath(RoundedBox(track.adjusted(-0.5, -0.5, 0.5, 0.5)), QPen(kEdge, 1));
  }
}

void PaintSmallTrophies(QPainter& painter, bool lit) {
  for (int i = 0; i < kTrophyCount; ++i) {
    const QRectF box = ToRectF(stats_page::SmallTrophyRect(i));
    if (lit) {
      painter.fillPath(RoundedBox(box), kRaised);
      PaintCup(painter, box.adjusted(7, 8, -7, -8), LevelColour(i), kAccentEdge);
    } else {
      painter.fillPath(RoundedBox(box), kRaisedDisabled);
      PaintCup(painter, box.adjusted(7, 8, -7, -8), kRaised, kEdge);
    }
  }
}

void PaintPage(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kPanel);
  PaintFiguresPanel(painter);
  PaintTrack(painter, look == Look::Down);
  PaintSmallTrophies(painter, look == Look::Down);
  FillButtonBox(painter, ToRectF(stats_page::kReset), look);
}

void PaintTrophy(QPainter& painter, int level) {
  painter.fillRect(QRect(QPoint(0, 0), kTrophySize), kPanel);
  const QPointF centre(kTrophySize.width() / 2.0, 190);
  QRadialGradient glow(centre, 150);
  glow.setColorAt(0, Lifted(kPanel, 0.04F + 0.005F * static_cast<float>(level)));
  glow.setColorAt(1, kPanel);
  painter.fillRect(QRectF(0, 0, kTrophySize.width(), 400), glow);
  PaintCup(painter, QRectF(49, 60, 200, 300), LevelColour(level), kAccentEdge);
  // The level, large, on the cup.
  const QRectF badge(centre.x() - 30, 95, 60, 60);
  QPainterPath disc;
  disc.addEllipse(badge);
  painter.fillPath(disc, kWindow);
  painter.strokePath(disc, QPen(kAccent, 2));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(28);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kText);
  painter.drawText(badge, Qt::AlignCenter, QString::number(level));
}

}  // namespace

void WriteStatsSkins(SkinWriter& writer) {
  for (const auto& [file, look] : {std::pair{skin_files::kStatsNormal, Look::Normal},
                                   std::pair{skin_files::kStatsOver, Look::Over},
                                   std::pair{skin_files::kStatsDown, Look::Down}}) {
    writer.Write(file, kSize, SkinWriter::Surface::Opaque,
                 [look = look](QPainter& painter, int) { PaintPage(painter, look); });
  }
  for (int level = 0; level < kTrophyCount; ++level) {
    writer.Write(skin_files::TrophyFile(level), kTrophySize, SkinWriter::Surface::Opaque,
                 [level](QPainter& painter, int) { PaintTrophy(painter, level); });
  }
}

}  // namespace n63k::skins
