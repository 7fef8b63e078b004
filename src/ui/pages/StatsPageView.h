#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>

#include "core/pages/StatsPage.h"
#include "ui/widgets/BitmapButton.h"

namespace n63k::ui {

// The statistics page: the figures and their labels over the page's picture,
// the trophy of the level reached, the lit small trophies, the level bar and
// the reset button. It draws StatsPage and hands it the reset and the
// pointer's moves.
class StatsPageView final : public QWidget, public StatsPageObserver {
  Q_OBJECT

 public:
  StatsPageView(StatsPage& model, std::filesystem::path programFolder, QWidget* parent = nullptr);
  ~StatsPageView() override;

  // StatsPageObserver
  void StatsChanged(StatsPart part) override;

  BitmapButton* Trophy() const { return trophy_; }
  BitmapButton* SmallTrophy(int index) const {
    return smallTrophies_[static_cast<std::size_t>(index)];
  }
  BitmapButton* ResetButton() const { return reset_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ShowTrophies();
  void ShowCaptions();

  StatsPage& model_;
  std::filesystem::path programFolder_;
  // A move over a control reaches the page twice: forwarded by the control,
  // and passed on because the control leaves it unhandled.
  QPoint lastMove_{-1, -1};
  PagePictures pictures_;
  BitmapButton* trophy_ = nullptr;
  std::array<BitmapButton*, kTrophyCount> smallTrophies_{};
  BitmapButton* reset_ = nullptr;
};

}  // namespace n63k::ui
