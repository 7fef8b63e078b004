// The function chooser: its window and four pages, each with a normal, hover
// and pressed look that differ only under the controls; the lists' scroll bar
// cells and item icons. No text in them is in a language, so one family
// serves every interface language.
#include <QFont>
#include <QPainterPath>
#include <array>

#include "core/pages/ChooserLayout.h"
#include "core/pages/SkinFiles.h"
#include "core/pages/SkinPictures.h"
#include "skins/Drawing.h"
#include "skins/Palette.h"
#include "skins/Skins.h"

namespace n63k::skins {

namespace {

using namespace chooser;

constexpr QSize kWindowSize{kWidth, kHeight};
constexpr QSize kPageSize{kPage.Width(), kPage.Height()};
constexpr int kHeaderBottom = 30;
constexpr qreal kCheckPen = 2.0;

// Buttons with dark captions sit on light faces, as the message
// box's do; hovered and pressed they turn to the accent with white captions.
void PaintLightButton(QPainter& painter, const Rect& rect, Look look) {
  const QRectF face = ToRectF(rect).adjusted(1, 1, -1, -1);
  switch (look) {
    case Look::Over:
      FillRaisedBox(painter, face, kAccent, kAccentEdge);
      break;
    case Look::Down:
      FillRaisedBox(painter, face, kAccentEdge, kAccentEdge);
      break;
    default:
      FillRaisedBox(painter, face, kCardButton, kCardEdge);
      break;
  }
}

void PaintCheckBox(QPainter& painter, const Rect& rect, Look look, const QColor& box) {
  const QRectF face = ToRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
  if (look == Look::Down) {
    painter.fillPath(RoundedBox(face), kAccent);
    QPainterPath tick;
    tick.moveTo(face.left() + face.width() * 0.22, face.center().y());
    tick.lineTo(face.left() + face.width() * 0.43, face.bottom() - face.height() * 0.25);
    tick.lineTo(face.right() - face.width() * 0.2, face.top() + face.height() * 0.25);
    painter.strokePath(tick,
                       QPen(Qt::white, kCheckPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return;
  }
  painter.fillPath(RoundedBox(face), look == Look::Over ? kRaisedOver : box);
  painter.strokePath(RoundedBox(face), QPen(look == Look::Over ? kAccent : kEdgeOver, 1));
}

void PaintRadio(QPainter& painter, const Rect& rect, Look look) {
  const QRectF face = ToRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
  painter.setBrush(look == Look::Over ? kCardTitle : kCardButton);
  painter.setPen(QPen(look == Look::Normal ? kCardEdge : kAccent, 1.2));
  painter.drawEllipse(face);
  if (look == Look::Down) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawEllipse(face.center(), face.width() / 4, face.height() / 4);
  }
  painter.setBrush(Qt::NoBrush);
}

void PaintWell(QPainter& painter, const Rect& rect, const QColor& edge,
               const QColor& fill = kWell) {
  const QRectF face = ToRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.fillPath(RoundedBox(face), fill);
  painter.strokePath(RoundedBox(face), QPen(edge, 1));
}

void PaintWindow(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kWindowSize), kWindow);
  painter.fillRect(QRectF(0, 0, kWidth, kHeaderBottom), kHeader);
  // The title's dark text needs a light plate.
  painter.fillPath(RoundedBox(ToRectF(kTitle).adjusted(0, 1, 0, -2)), kCardTitle);
  painter.fillRect(QRectF(0, kTabs[0].bottom, kWidth, 2), kAccent);
  for (const Rect& tab : kTabs) {
    PaintLightButton(painter, tab, look);
  }
  painter.fillPath(RoundedBox(ToRectF(kPage).adjusted(-3, -3, 3, 3)), kPanel);
  PaintCheckBox(painter, kDisableBox, look, kWell);
  PaintLightButton(painter, kDefault, look);
  PaintLightButton(painter, kOk, look);
  const QRectF close = ToRectF(kClose).adjusted(1, 1, -1, -1);
  if (look != Look::Normal) {
    painter.fillPath(RoundedBox(close), look == Look::Over ? kAccent : kAccentEdge);
  }
  PaintCloseGlyph(painter, close.center(), look == Look::Normal ? kGlyph : QColor(Qt::white));
  painter.setPen(QPen(kEdge, 1));
  painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

void PaintCombinationPage(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kPageSize), kPanel);
  QFont font("DejaVu Sans");
  font.setPixelSize(kTextPixels);
  painter.setFont(font);
  constexpr std::array<const char*, 4> kNames = {"Ctrl", "Alt", "Shift", "Win"};
  for (std::size_t i = 0; i < kModifierBoxes.size(); ++i) {
    const Rect& box = kModifierBoxes[i];
    PaintCheckBox(painter, box, look, kWell);
    painter.setPen(kText);
    painter.drawText(QRectF(box.right + 8, box.top - 3, 60, box.Height() + 6),
                     Qt::AlignLeft | Qt::AlignVCenter, kNames[i]);
  }
  // A plus between the modifiers and the key.
  const qreal plusX = (kModifierBoxes[0].right + 60 + kKeyName.left) / 2.0;
  const qreal plusY = (kKeyName.top + kKeyName.bottom) / 2.0;
  painter.setPen(QPen(kGlyph, kGlyphPen, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(plusX - 6, plusY), QPointF(plusX + 6, plusY));
  painter.drawLine(QPointF(plusX, plusY - 6), QPointF(plusX, plusY + 6));
  PaintWell(painter,
            Rect{kKeyName.left - 6, kKeyName.top - 4, kKeyName.right + 4, kKeyName.bottom + 4},
            kEdge);
}

void PaintListWell(QPainter& painter, const Rect& list) {
  painter.fillRect(ToRectF(list), QColor::fromRgb(kListBackground));
  painter.setPen(QPen(kEdge, 1));
  painter.drawRect(ToRectF(list).adjusted(-0.5, -0.5, 0.5, 0.5));
}

void PaintMacroPage(QPainter& painter, Look) {
  painter.fillRect(QRect(QPoint(0, 0), kPageSize), kPanel);
  PaintListWell(painter, kGroupList);
  PaintListWell(painter, kMacroList);
}

void PaintBasicPage(QPainter& painter, Look) {
  painter.fillRect(QRect(QPoint(0, 0), kPageSize), QColor::fromRgb(kListBackground));
}

// A light card: the rows' labels are dark at run time.
void PaintAdvancedPage(QPainter& painter, Look look) {
  painter.fillRect(QRect(QPoint(0, 0), kPageSize), kCard);
  for (const ActionRow& row : kActionRows) {
    PaintRadio(painter, row.radio, look);
    // A path field is a button too: a double click browses.
    PaintWell(painter, row.path, look == Look::Normal ? kEdge : kAccent,
              look == Look::Normal ? kWell : kPanel);
    PaintLightButton(painter, row.browse, look);
  }
}

void WriteLooks(SkinWriter& writer, const skin_files::BoxLooks& files, QSize size,
                void (*paint)(QPainter&, Look)) {
  for (const auto& [file, look] :
       {std::pair{files.normal, Look::Normal}, std::pair{files.hover, Look::Over},
        std::pair{files.pressed, Look::Down}}) {
    writer.Write(file, size, SkinWriter::Surface::Opaque,
                 [paint, look = look](QPainter& painter, int) { paint(painter, look); });
  }
}

// The scroll bar's cells: columns up, down, thumb, track of the vertical bar,
// then the same of the horizontal bar, then the corner; rows normal, hover,
// pressed.
void PaintScrollCells(QPainter& painter) {
  const int cell = skin_files::kScrollBarSize.width / 9;
  const int rowHeight = skin_files::kScrollBarSize.height / 3;
  painter.fillRect(QRect(0, 0, skin_files::kScrollBarSize.width, skin_files::kScrollBarSize.height),
                   kWell);
  for (int row = 0; row < 3; ++row) {
    const QColor face = row == 0 ? kRaised : row == 1 ? kRaisedOver : kAccent;
    const QColor glyph = row == 0 ? kGlyph : QColor(Qt::white);
    const QColor thumb = row == 0 ? kEdge : row == 1 ? kEdgeOver : kAccent;
    for (int bar = 0; bar < 2; ++bar) {
      const bool vertical = bar == 0;
      const int first = bar * 4;
      for (int arrow = 0; arrow < 2; ++arrow) {
        const QRectF box((first + arrow) * cell, row * rowHeight, cell, rowHeight);
        painter.fillPath(RoundedBox(box.adjusted(1, 1, -1, -1)), face);
        const QPointF c = box.center();
        // Pointing back (up, left) for the first arrow, on for the second.
        const qreal s = arrow == 0 ? -1 : 1;
        QPolygonF triangle;
        if (vertical) {
          triangle << c + QPointF(-4, -2 * s) << c + QPointF(4, -2 * s) << c + QPointF(0, 3 * s);
        } else {
          triangle << c + QPointF(-2 * s, -4) << c + QPointF(-2 * s, 4) << c + QPointF(3 * s, 0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(glyph);
        painter.drawPolygon(triangle);
      }
      const QRectF thumbCell((first + 2) * cell, row * rowHeight, cell, rowHeight);
      // The ends are 3 pixels: rounded there, straight in the tiled middle.
      painter.setBrush(thumb);
      const QRectF body =
          vertical ? thumbCell.adjusted(4, 0.5, -4, -0.5) : thumbCell.adjusted(0.5, 4, -0.5, -4);
      painter.drawRoundedRect(body, 3, 3);
      painter.fillRect(vertical ? body.adjusted(0, 3, 0, -3) : body.adjusted(3, 0, -3, 0), thumb);
      const QRectF track((first + 3) * cell, row * rowHeight, cell, rowHeight);
      painter.fillRect(track, kWell);
      painter.setPen(QPen(kPanel, 1));
      if (vertical) {
        painter.drawLine(QPointF(track.center().x(), track.top()),
                         QPointF(track.center().x(), track.bottom()));
      } else {
        painter.drawLine(QPointF(track.left(), track.center().y()),
                         QPointF(track.right(), track.center().y()));
      }
    }
    painter.fillRect(QRectF(8 * cell, row * rowHeight, cell, rowHeight), kWell);
  }
  painter.setBrush(Qt::NoBrush);
}

enum class IconShape { kUp, kDown, kDelay };

void PaintListIcon(QPainter& painter, IconShape shape, const QColor& colour) {
  painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  switch (shape) {
    case IconShape::kUp:
      painter.drawLine(QPointF(8, 13), QPointF(8, 3.5));
      painter.drawPolyline(QPolygonF{QPointF(4, 7.5), QPointF(8, 3.5), QPointF(12, 7.5)});
      break;
    case IconShape::kDown:
      painter.drawLine(QPointF(8, 3), QPointF(8, 12.5));
      painter.drawPolyline(QPolygonF{QPointF(4, 8.5), QPointF(8, 12.5), QPointF(12, 8.5)});
      break;
    case IconShape::kDelay:
      painter.drawEllipse(QPointF(8, 8), 6, 6);
      painter.drawPolyline(QPolygonF{QPointF(8, 4.5), QPointF(8, 8), QPointF(10.5, 9.5)});
      break;
  }
}

}  // namespace

void WriteChooserSkins(SkinWriter& writer) {
  WriteLooks(writer, skin_files::kChooser, kWindowSize, PaintWindow);
  WriteLooks(writer, skin_files::kChooserCombination, kPageSize, PaintCombinationPage);
  WriteLooks(writer, skin_files::kChooserMacro, kPageSize, PaintMacroPage);
  WriteLooks(writer, skin_files::kChooserBasic, kPageSize, PaintBasicPage);
  WriteLooks(writer, skin_files::kChooserAdvanced, kPageSize, PaintAdvancedPage);
}

void WriteScrollBarSkin(SkinWriter& writer) {
  writer.Write(skin_files::kScrollBar,
               QSize(skin_files::kScrollBarSize.width, skin_files::kScrollBarSize.height),
               SkinWriter::Surface::Opaque,
               [](QPainter& painter, int) { PaintScrollCells(painter); });
}

void WriteListIcons(SkinWriter& writer) {
  const QSize size(skin_files::kListIconSize.width, skin_files::kListIconSize.height);
  const std::array<std::pair<skin_files::ListIcons, IconShape>, 3> icons = {{
      {skin_files::kListIconUp, IconShape::kUp},
      {skin_files::kListIconDown, IconShape::kDown},
      {skin_files::kListIconDelay, IconShape::kDelay},
  }};
  for (const auto& [files, shape] : icons) {
    writer.Write(
        files.normal, size, SkinWriter::Surface::SeeThrough,
        [shape = shape](QPainter& painter, int) { PaintListIcon(painter, shape, kGlyph); });
    writer.Write(
        files.selected, size, SkinWriter::Surface::SeeThrough,
        [shape = shape](QPainter& painter, int) { PaintListIcon(painter, shape, kAccent); });
  }
}

}  // namespace n63k::skins
