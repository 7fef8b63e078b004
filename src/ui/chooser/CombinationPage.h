#pragma once

#include <array>

#include "core/pages/ChooserModel.h"
#include "ui/chooser/ChooserPanel.h"

namespace n63k::ui {

// The key-combination page: the four modifier boxes and the captured key's
// name. The keys themselves come through the input hooks to the model.
class CombinationPage final : public ChooserPanel {
  Q_OBJECT

 public:
  CombinationPage(ChooserModel& model, const std::filesystem::path& programFolder, QWidget* parent);

  // The model's boxes and key changed.
  void Refresh();

  BitmapButton* modifierBox(ModifierBox box) const { return boxes_[static_cast<std::size_t>(box)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ChooserModel& model_;
  std::array<BitmapButton*, 4> boxes_{};
};

}  // namespace n63k::ui
