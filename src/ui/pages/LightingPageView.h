#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>

#include "core/pages/LightingPage.h"
#include "ui/widgets/BitmapButton.h"

namespace n63k::ui {

class BitmapEdit;
class ColourButton;
class SliderBar;

// The lighting page: draws LightingPage over its skin, whose background holds
// the colour wheel, and hands the model every click, slider move and press on
// the wheel. The wheel gives the colour of the pixel shown under the pointer.
class LightingPageView final : public QWidget, public LightingPageObserver {
  Q_OBJECT

 public:
  LightingPageView(LightingPage& model, std::filesystem::path programFolder,
                   QWidget* parent = nullptr);
  ~LightingPageView() override;

  // LightingPageObserver
  void LightingChanged() override;
  void LightingCaptionsChanged() override;

  BitmapButton* Button(lighting_page::Control control) const;
  BitmapButton* PaletteButton(int index) const { return palette_[static_cast<std::size_t>(index)]; }
  ColourButton* Swatch(int slot) const { return swatches_[static_cast<std::size_t>(slot)]; }
  SliderBar* Slider(int id) const;
  BitmapEdit* Number(int component) const { return numbers_[static_cast<std::size_t>(component)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void BuildControls();
  void LoadLooks();
  void Place();
  void ShowCaptions();
  void FollowPointer(const QPoint& point);
  std::uint32_t ShownColourAt(const QPoint& point) const;

  LightingPage& model_;
  std::filesystem::path programFolder_;
  // A move over a control reaches the page twice: forwarded by the control,
  // and passed on because the control leaves it unhandled.
  QPoint lastMove_{-1, -1};
  PagePictures pictures_;
  QImage shown_;
  std::array<BitmapButton*, lighting_page::kControlCount> buttons_{};
  std::array<SliderBar*, 6> sliders_{};
  std::array<ColourButton*, 4> swatches_{};
  std::array<BitmapEdit*, 3> numbers_{};
  std::array<BitmapButton*, kPaletteSize> palette_{};
};

}  // namespace n63k::ui
