#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/pages/SupportPageModel.h"

namespace n63k::ui {

class BitmapButton;

// The support page: the two versions, and the update, web-site, import,
// export and restore-defaults buttons over the page's pictures. It draws
// SupportPageModel and hands it every click and hover.
class SupportPage final : public QWidget, public SupportPageObserver {
  Q_OBJECT

 public:
  // Asks the user for a profile file to open or to save to; empty when the
  // user cancels. Tests answer without a dialog.
  using FileChooser = std::function<QString(QWidget* parent, bool save)>;

  SupportPage(SupportPageModel& model, const std::filesystem::path& programFolder,
              QWidget* parent = nullptr);
  ~SupportPage() override;

  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  BitmapButton* Button(support_page::Control control) const;

  // SupportPageObserver
  void SupportPageChanged() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void ShowCaptions();

  SupportPageModel& model_;
  QPixmap background_;
  std::array<BitmapButton*, support_page::kButtonCount> buttons_{};
  FileChooser chooseFile_;
  std::optional<support_page::Control> hovered_;
};

}  // namespace n63k::ui
