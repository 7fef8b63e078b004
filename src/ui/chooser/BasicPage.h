#pragma once

#include "core/pages/ChooserModel.h"
#include "ui/chooser/ChooserPanel.h"

namespace n63k::ui {

class SkinListBox;

// The basic page: one list of the catalogue's basic functions.
class BasicPage final : public ChooserPanel {
  Q_OBJECT

 public:
  BasicPage(ChooserModel& model, const std::filesystem::path& programFolder, QWidget* parent);

  SkinListBox* list() const { return list_; }

 private:
  ChooserModel& model_;
  SkinListBox* list_ = nullptr;
};

}  // namespace n63k::ui
