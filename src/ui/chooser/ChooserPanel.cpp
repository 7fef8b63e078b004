#include "ui/chooser/ChooserPanel.h"

#include <QPainter>

#include "core/pages/ChooserLayout.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinScrollBar.h"

namespace n63k::ui {

ChooserPanel::ChooserPanel(const std::filesystem::path& programFolder,
                           const skin_files::BoxLooks& looks, QWidget* parent)
    : QWidget(parent) {
  setGeometry(ToQRect(chooser::kPage));
  pictures_.normal = LoadSkinPicture(programFolder, looks.normal);
  pictures_.hover = LoadSkinPicture(programFolder, looks.hover);
  pictures_.pressed = LoadSkinPicture(programFolder, looks.pressed);
  setMouseTracking(true);
}

void ChooserPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (pictures_.normal.isNull()) {
    painter.fillRect(rect(), FromRgb(chooser::kListBackground));
    return;
  }
  painter.drawPixmap(0, 0, pictures_.normal);
}

BitmapButton* ChooserPanel::MakeButton(const Rect& rect) {
  auto* button = new BitmapButton(rect, this);
  button->SetPictures(rect, pictures_);
  return button;
}

void StyleChooserList(SkinListBox& list, const std::filesystem::path& programFolder,
                      int itemHeight) {
  list.SetColours(FromRgb(chooser::kListBackground), FromRgb(chooser::kListSelection));
  list.SetTextColours(FromRgb(chooser::kListText), FromRgb(chooser::kListSelectedText));
  list.SetRenameEnabled(false);
  list.SetItemHeight(itemHeight);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AttachSkinScroll(list, LoadSkinPicture(programFolder, skin_files::kScrollBar));
}

}  // namespace n63k::ui
