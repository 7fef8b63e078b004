#pragma once

#include <QPointer>
#include <QWidget>

#include "core/pages/ButtonPageModel.h"

namespace n63k::ui {

// The pointer as a page's timer sees it: the cursor in the page's pixels, and
// whether the page's window is the desktop's active one.
class WidgetPointer final : public PagePointer {
 public:
  explicit WidgetPointer(QWidget* page) : page_(page) {}

  Point Position() const override;
  bool WindowInFront() const override;

 private:
  QPointer<QWidget> page_;
};

}  // namespace n63k::ui
