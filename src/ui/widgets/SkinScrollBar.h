#pragma once

#include <QPixmap>
#include <QScrollBar>

#include "core/pages/ScrollBarModel.h"
#include "ui/QtTimers.h"

class QAbstractScrollArea;

namespace n63k::ui {

// A scroll bar drawn from a skin picture of nine columns and three rows of
// cells (see skin_files::kScrollBar), one cell thick. It is a QScrollBar, so
// the list it serves keeps its range, page and position as for any other;
// the bar paints itself and turns presses, holds and drags into the list's
// scroll actions through ScrollBarModel.
class SkinScrollBar final : public QScrollBar, private ScrollBarObserver {
  Q_OBJECT

 public:
  SkinScrollBar(Qt::Orientation orientation, QPixmap picture, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  const ScrollBarModel& Model() const { return model_; }
  // The cell size the picture gives: the bar's thickness and arrows' length.
  int Cell() const { return cell_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void sliderChange(SliderChange change) override;

 private:
  void Scroll(ScrollCode code, int position) override;
  void Repaint() override { update(); }
  int Along(const QPointF& point) const;
  int Length() const;
  // Draws the piece `from`..`from + size` (along the bar) of the cell at
  // `column` and `row` over `length` pixels from `along`.
  void DrawCell(QPainter& painter, int column, int row, int along, int length, int from,
                int size) const;

  QPixmap picture_;
  int cell_ = 0;
  int rowHeight_ = 0;
  QtTimers timers_;
  ScrollBarModel model_{timers_};
};

// The square where a list's two bars meet, drawn from the picture's corner
// cell.
class SkinScrollCorner final : public QWidget {
  Q_OBJECT

 public:
  SkinScrollCorner(QPixmap picture, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

// Gives `area` (a list) the skinned bars and corner in place of its own;
// Qt's scroll area lays them out beside the list's viewport.
void AttachSkinScroll(QAbstractScrollArea& area, const QPixmap& picture);

}  // namespace n63k::ui
