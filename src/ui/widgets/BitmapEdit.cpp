#include "ui/widgets/BitmapEdit.h"

#include <QPainter>

#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

constexpr int kMaxCharacters = 256;
constexpr QRgb kText = 0xff585f67;

}  // namespace

BitmapEdit::BitmapEdit(const Rect& rect, int fontPixels, QWidget* parent) : QLineEdit(parent) {
  setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  setMaxLength(kMaxCharacters);
  setFrame(false);
  QFont font = DialogFont(fontPixels);
  font.setWeight(QFont::Medium);
  setFont(font);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, QColor::fromRgb(kText));
  colours.setBrush(QPalette::Base, Qt::transparent);
  setPalette(colours);
}

void BitmapEdit::SetBackground(const Rect& rect, const QPixmap& picture) {
  background_ = CutSkinPicture(picture, rect);
  update();
}

void BitmapEdit::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    if (!background_.isNull()) {
      painter.drawPixmap(0, 0, background_);
    }
  }
  QLineEdit::paintEvent(event);
  if (hasFocus()) {
    QPainter painter(this);
    DrawFocusFrame(painter, rect());
  }
}

}  // namespace n63k::ui
