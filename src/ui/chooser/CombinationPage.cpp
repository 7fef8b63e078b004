#include "ui/chooser/CombinationPage.h"

#include <QPainter>

#include "core/pages/ChooserLayout.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

CombinationPage::CombinationPage(ChooserModel& model, const std::filesystem::path& programFolder,
                                 QWidget* parent)
    : ChooserPanel(programFolder, skin_files::kChooserCombination, parent), model_(model) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const auto box = static_cast<ModifierBox>(i);
    boxes_[i] = MakeButton(chooser::kModifierBoxes[i]);
    boxes_[i]->SetBehaviour(true, false);
    boxes_[i]->setAccessibleName(FromUtf8(model_.ModifierName(box)));
    connect(boxes_[i], &BitmapButton::clicked, this, [this, box] { model_.ClickModifierBox(box); });
  }
  Refresh();
}

void CombinationPage::Refresh() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->SetState(model_.ModifierChecked(static_cast<ModifierBox>(i)) ? 1 : 0);
  }
  setAccessibleDescription(FromUtf8(model_.KeyName()));
  update(ToQRect(chooser::kKeyName).adjusted(-2, 0, 0, 0));
}

void CombinationPage::paintEvent(QPaintEvent* event) {
  ChooserPanel::paintEvent(event);
  QPainter painter(this);
  painter.setFont(DialogFont(chooser::kTextPixels));
  painter.setPen(FromRgb(chooser::kKeyText));
  const QRect area = ToQRect(chooser::kKeyName);
  painter.drawText(
      area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
      FitCaption(painter, this, CaptionKind::kLabel, FromUtf8(model_.KeyName()), area.size()));
}

}  // namespace n63k::ui
