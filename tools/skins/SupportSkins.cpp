// The support page: a panel with the two version areas sunk into it and the
// five buttons raised, in their normal, hover and pressed looks.
#include "core/pages/SkinFiles.h"
#include "core/pages/SupportPageLayout.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace support_page;

constexpr QSize kSize{kWidth, kHeight};

void PaintPage(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kSize), kPanel);
  // The versions sit in one well below their labels.
  const QRectF versions(ToRectF(Place(Control::kProgram).rect).left() - 12,
                        ToRectF(Place(Control::kProgram).rect).top() - 12, 560, 110);
  painter.fillPath(RoundedBox(versions), kWell);
  painter.strokePath(RoundedBox(versions.adjusted(0.5, 0.5, -0.5, -0.5)), QPen(kEdge, 1));
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    const QRectF box = ToRectF(kControls[i].rect);
    FillButtonBox(painter, box, look);
  }
}

}  // namespace

void WriteSupportSkins(SkinWriter& writer) {
  for (const auto& [file, look] : {std::pair{skin_files::kSupportNormal, Look::Normal},
                                   std::pair{skin_files::kSupportOver, Look::Over},
                                   std::pair{skin_files::kSupportDown, Look::Down}}) {
    writer.Write(file, kSize, SkinWriter::Surface::Opaque,
                 [look = look](QPainter& painter, int) { PaintPage(painter, look); });
  }
}

}  // namespace n63k::skins
