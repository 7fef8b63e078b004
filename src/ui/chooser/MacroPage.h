#pragma once

#include "core/pages/ChooserModel.h"
#include "ui/chooser/ChooserPanel.h"

namespace n63k::ui {

class SkinListBox;

// The macro page: the game groups on the left, the selected group's macros on
// the right.
class MacroPage final : public ChooserPanel {
  Q_OBJECT

 public:
  MacroPage(ChooserModel& model, const std::filesystem::path& programFolder, QWidget* parent);

  // The model listed another group's macros.
  void RefreshMacros();

  SkinListBox* groupList() const { return groups_; }
  SkinListBox* macroList() const { return macros_; }

 private:
  ChooserModel& model_;
  SkinListBox* groups_ = nullptr;
  SkinListBox* macros_ = nullptr;
};

}  // namespace n63k::ui
