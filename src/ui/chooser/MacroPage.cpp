#include "ui/chooser/MacroPage.h"

#include "core/pages/ChooserLayout.h"
#include "ui/widgets/SkinListBox.h"

namespace n63k::ui {

MacroPage::MacroPage(ChooserModel& model, const std::filesystem::path& programFolder,
                     QWidget* parent)
    : ChooserPanel(programFolder, skin_files::kChooserMacro, parent), model_(model) {
  groups_ = new SkinListBox(programFolder, this);
  groups_->setGeometry(ToQRect(chooser::kGroupList));
  StyleChooserList(*groups_, programFolder, chooser::kMacroItemHeight);
  int index = 0;
  for (const std::string& text : model_.GroupTexts()) {
    groups_->AddItem(0, FromUtf8(text), static_cast<std::uint32_t>(index++), false);
  }
  // Nothing is selected when the page opens.
  groups_->Select(-1);
  groups_->setAccessibleName(FromUtf8(model_.TabCaption(ChooserPage::kMacro)));

  macros_ = new SkinListBox(programFolder, this);
  macros_->setGeometry(ToQRect(chooser::kMacroList));
  StyleChooserList(*macros_, programFolder, chooser::kMacroItemHeight);

  connect(groups_, &SkinListBox::selectionChangedByUser, this,
          [this](int row) { model_.SelectGroup(row); });
  connect(macros_, &SkinListBox::selectionChangedByUser, this,
          [this](int row) { model_.SelectMacro(row); });
}

void MacroPage::RefreshMacros() {
  macros_->setUpdatesEnabled(false);
  macros_->ResetContent();
  for (const MacroListItem& macro : model_.Macros()) {
    macros_->AddItem(0, FromUtf8(macro.name), macro.identifier, false);
  }
  macros_->Select(-1);
  macros_->setUpdatesEnabled(true);
}

}  // namespace n63k::ui
