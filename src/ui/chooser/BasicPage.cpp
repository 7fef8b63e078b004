#include "ui/chooser/BasicPage.h"

#include "core/pages/ChooserLayout.h"
#include "ui/widgets/SkinListBox.h"

namespace n63k::ui {

BasicPage::BasicPage(ChooserModel& model, const std::filesystem::path& programFolder,
                     QWidget* parent)
    : ChooserPanel(programFolder, skin_files::kChooserBasic, parent), model_(model) {
  list_ = new SkinListBox(programFolder, this);
  list_->setGeometry(ToQRect(chooser::kBasicList));
  StyleChooserList(*list_, programFolder, chooser::kBasicItemHeight);
  std::uint32_t index = 0;
  for (const std::string& text : model_.BasicTexts()) {
    list_->AddItem(0, FromUtf8(text), index++, false);
  }
  list_->Select(-1);
  list_->scrollToTop();
  list_->setAccessibleName(FromUtf8(model_.TabCaption(ChooserPage::kBasic)));
  connect(list_, &SkinListBox::selectionChangedByUser, this,
          [this](int row) { model_.SelectBasic(row); });
}

}  // namespace n63k::ui
