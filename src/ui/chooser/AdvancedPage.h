#pragma once

#include <array>
#include <functional>
#include <optional>

#include "core/pages/ChooserModel.h"
#include "ui/chooser/ChooserPanel.h"

namespace n63k::ui {

// Asks the user for a file or folder as `dialog` says; none when cancelled.
using BrowseFunction = std::function<std::optional<QString>(const BrowseDialog& dialog)>;

// The file dialogs and folder picker of the desktop.
std::optional<QString> BrowseWithFileDialog(const BrowseDialog& dialog);

// The advanced page: one row per PC action, each with its radio button,
// label, path field and browse button.
class AdvancedPage final : public ChooserPanel {
  Q_OBJECT

 public:
  AdvancedPage(ChooserModel& model, const std::filesystem::path& programFolder,
               BrowseFunction browse, QWidget* parent);

  // The model's selected row or a path changed.
  void Refresh();

  BitmapButton* radio(int row) const { return rows_.at(static_cast<std::size_t>(row)).radio; }
  BitmapButton* pathField(int row) const { return rows_.at(static_cast<std::size_t>(row)).path; }
  BitmapButton* browseButton(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).browse;
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Browse(int row);

  struct Row {
    BitmapButton* radio = nullptr;
    BitmapButton* path = nullptr;
    BitmapButton* browse = nullptr;
  };
  ChooserModel& model_;
  BrowseFunction browse_;
  std::array<Row, 4> rows_{};
};

}  // namespace n63k::ui
