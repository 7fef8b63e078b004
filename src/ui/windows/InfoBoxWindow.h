#pragma once

#include <QDialog>
#include <QPixmap>
#include <filesystem>

#include "core/pages/InfoBoxModel.h"

namespace n63k::ui {

class BitmapButton;

// The program's message box: a frameless modal box over its skin pictures,
// with OK, Cancel when it asks, and a close button. It shows an
// InfoBoxModel and ends with the model's answer as its result code.
class InfoBoxWindow final : public QDialog, private InfoBoxObserver {
  Q_OBJECT

 public:
  InfoBoxWindow(InfoBoxModel& model, const std::filesystem::path& programFolder,
                QWidget* parent = nullptr);
  ~InfoBoxWindow() override;

  // Shows the box modally and answers when it has ended.
  InfoAnswer Run();

  BitmapButton* okButton() const { return ok_; }
  // None when the box does not ask.
  BitmapButton* cancelButton() const { return cancel_; }
  BitmapButton* closeButton() const { return close_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Escape, and anything else that would reject the dialog.
  void reject() override;

 private:
  void OkCaptionChanged() override;
  void Ended(InfoAnswer answer) override;

  InfoBoxModel& model_;
  QPixmap background_;
  BitmapButton* ok_ = nullptr;
  BitmapButton* cancel_ = nullptr;
  BitmapButton* close_ = nullptr;
};

}  // namespace n63k::ui
