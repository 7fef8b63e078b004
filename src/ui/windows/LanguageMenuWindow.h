#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>

#include "core/i18n/Languages.h"
#include "core/pages/LanguageMenuModel.h"

namespace n63k::ui {

// The popup list of languages under the main window's language button. A
// click outside closes it, as any popup. Where the window system blends
// windows it is drawn with per-pixel alpha over the panel picture, otherwise
// as an opaque framed list.
class LanguageMenuWindow final : public QWidget, private LanguageMenuObserver {
  Q_OBJECT

 public:
  enum class Look { kTranslucent, kOpaque };
  // Translucent where the window system blends windows, else opaque.
  static Look DesktopLook();

  LanguageMenuWindow(const std::filesystem::path& programFolder, Look look,
                     QWidget* parent = nullptr);

  // Shows the list by the language button, given in screen pixels.
  void PopUp(const QRect& languageButton);

  const LanguageMenuModel& model() const { return model_; }

 signals:
  // The user chose language `number` (1-12); the list closes after.
  void languageChosen(int number);
  // The list closed, after a choice or without one.
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void HighlightChanged() override;
  void LanguageChosen(int number) override;
  void CloseWithoutChoice() override;

  void PaintBackground(QPainter& painter) const;

  LanguageMenuModel model_;
  Look look_;
  QPixmap panel_;
  std::array<QPixmap, kLanguageCount> flags_;
  bool closedReported_ = false;
};

}  // namespace n63k::ui
