// The language list's background, stretched over the list as a nine-part
// grid: a light card with rounded corners that fit inside the grid's corners.
#include <QPainterPath>

#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {
constexpr skin_files::PictureSize kSize = skin_files::kLanguageMenuPanelSize;
constexpr qreal kRadius = 6;
static_assert(kRadius < skin_files::kLanguageMenuPanelCorner);
}  // namespace

void WriteLanguageMenuPanel(SkinWriter& writer) {
  writer.Write(skin_files::kLanguageMenuPanel, QSize(kSize.width, kSize.height),
               SkinWriter::Surface::SeeThrough, [](QPainter& painter, int) {
                 QPainterPath card;
                 card.addRoundedRect(QRectF(0.5, 0.5, kSize.width - 1, kSize.height - 1), kRadius,
                                     kRadius);
                 painter.fillPath(card, kCard);
                 painter.strokePath(card, QPen(kEdge, 1));
               });
}

}  // namespace n63k::skins
