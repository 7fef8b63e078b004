#pragma once

#include <QDialog>
#include <QPixmap>
#include <filesystem>

#include "core/base/Timers.h"
#include "core/i18n/TextTable.h"
#include "core/pages/ProgressModel.h"

namespace n63k::ui {

class ProgressBar;

// The window shown while a profile is written: a frameless modal window of
// its background picture's size with the write's progress bar. The user
// cannot dismiss it; it closes when its model says the write is over. The
// worker's notices reach it through SetProgress and WriteFailed, which the
// app queues onto the window thread.
class ProgressWindow final : public QDialog, private ProgressObserver {
  Q_OBJECT

 public:
  ProgressWindow(const Localisation& localisation, Timers& timers,
                 const std::filesystem::path& programFolder, QWidget* parent = nullptr);
  ~ProgressWindow() override;

  // Opens the window with an empty bar and returns when it has closed.
  void Run();
  // Opens it without waiting (window-modal), for callers with an event loop.
  void Start();

  void SetProgress(int percent);
  void WriteFailed();

  const ProgressModel& model() const { return model_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void ProgressChanged() override;
  void Closed() override;
  void Prepare();
  bool Swallow(const QKeyEvent& event) const;

  const Localisation& localisation_;
  ProgressModel model_;
  QPixmap background_;
  ProgressBar* bar_ = nullptr;
};

}  // namespace n63k::ui
