#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>

#include "core/pages/ButtonPageModel.h"

class QLabel;

namespace n63k::ui {

class BitmapButton;
class BitmapEdit;
class RegionButton;
class SliderBar;

// The button page: draws ButtonPageModel with the skinned widgets and hands
// it every click, slider move, typed scroll-lines text and pointer move.
// Captions in words are labels over the pictures, so they follow the language
// and may run past a control's narrow box; clicks pass through them.
class ButtonPageView final : public QWidget, public ButtonPageObserver {
  Q_OBJECT

 public:
  ButtonPageView(ButtonPageModel& model, std::filesystem::path programFolder,
                 QWidget* parent = nullptr);
  ~ButtonPageView() override;

  // ButtonPageObserver
  void Changed(ButtonPagePart part) override;
  void OpenChooser(int slot) override;

 signals:
  // A tab was clicked: the function chooser opens for `slot`, and its outcome
  // goes back to the model.
  void chooserRequested(int slot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void ShowLanguage();
  void ShowDpi();
  void ShowPointer();
  void ShowReportRate();
  void ShowWheel();
  void ShowLinesText();
  void ShowTabs();
  void ShowMarkers();
  QLabel* Caption(const Rect& control, int width);

  ButtonPageModel& model_;
  std::filesystem::path programFolder_;
  QPixmap background_;
  std::array<BitmapButton*, button_page::kDpiBoxes.size()> dpiBoxes_{};
  SliderBar* speed_ = nullptr;
  SliderBar* sensor_ = nullptr;
  BitmapButton* precision_ = nullptr;
  std::array<BitmapButton*, button_page::kReportRates.size()> rates_{};
  BitmapButton* linesRadio_ = nullptr;
  BitmapButton* screenRadio_ = nullptr;
  BitmapEdit* linesEdit_ = nullptr;
  BitmapButton* plus_ = nullptr;
  BitmapButton* minus_ = nullptr;
  std::array<BitmapButton*, kButtonCount> markers_{};
  std::array<RegionButton*, kButtonCount> tabs_{};
  std::array<QLabel*, button_page::kHeadings.size()> headings_{};
  QLabel* precisionCaption_ = nullptr;
  QLabel* linesCaption_ = nullptr;
  QLabel* screenCaption_ = nullptr;
};

}  // namespace n63k::ui
