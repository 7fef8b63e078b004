#pragma once

#include <QLineEdit>
#include <QPixmap>

#include "core/base/Geometry.h"

namespace n63k::ui {

// A borderless edit box painted over the piece of its page's picture that
// lies under it; at most 256 characters.
class BitmapEdit : public QLineEdit {
  Q_OBJECT

 public:
  // `rect` in the page's pixels; `fontPixels` the text's height.
  BitmapEdit(const Rect& rect, int fontPixels, QWidget* parent);

  // The piece of the page-sized `picture` under `rect` becomes the background.
  void SetBackground(const Rect& rect, const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
};

}  // namespace n63k::ui
