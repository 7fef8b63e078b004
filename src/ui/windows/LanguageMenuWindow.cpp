#include "ui/windows/LanguageMenuWindow.h"

#include <qdrawutil.h>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <string>

#include "core/pages/LanguageMenuLayout.h"
#include "core/pages/SkinFiles.h"
#include "ui/Compositing.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinPicture.h"

namespace n63k::ui {

namespace {

using namespace language_menu;

const QColor kFrame(0, 147, 209);
const QColor kHighlight(0, 147, 209);
const QColor kText(5, 5, 5);
const QColor kHighlightedText(245, 245, 245);

Point ToPoint(const QPointF& p) {
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

}  // namespace

LanguageMenuWindow::LanguageMenuWindow(const std::filesystem::path& programFolder, Look look,
                                       QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      look_(look) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_TranslucentBackground, look_ == Look::kTranslucent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(kWidth, kHeight);
  setAccessibleName(QStringLiteral("Language"));
  panel_ = LoadSkinPicture(programFolder, skin_files::kLanguageMenuPanel);
  for (int n = 1; n <= kLanguageCount; ++n) {
    const std::string file =
        std::string(skin_files::kFlagFolder) + "/Small_" + std::to_string(n) + ".png";
    flags_[static_cast<std::size_t>(n - 1)] = LoadSkinPicture(programFolder, file);
  }
  model_.SetObserver(this);
}

LanguageMenuWindow::Look LanguageMenuWindow::DesktopLook() {
  return WindowSystemComposites() ? Look::kTranslucent : Look::kOpaque;
}

void LanguageMenuWindow::PopUp(const QRect& languageButton) {
  const QScreen* screen = QGuiApplication::screenAt(languageButton.center());
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  const QRect area = screen->availableGeometry();
  const Point at =
      LanguageMenuModel::Position({languageButton.left(), languageButton.top(),
                                   languageButton.right() + 1, languageButton.bottom() + 1},
                                  {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  move(at.x, at.y);
  show();
  activateWindow();
  setFocus();
}

void LanguageMenuWindow::PaintBackground(QPainter& painter) const {
  if (look_ == Look::kTranslucent && !panel_.isNull()) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    qDrawBorderPixmap(&painter, rect(),
                      QMargins(kPanelCorner, kPanelCorner, kPanelCorner, kPanelCorner), panel_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return;
  }
  painter.fillRect(rect(), kFrame);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
}

void LanguageMenuWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBackground(painter);
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(12);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const auto& items = model_.Items();
  for (int i = 0; i < kLanguageCount; ++i) {
    const auto& item = items[static_cast<std::size_t>(i)];
    const QRect row = ToQRect(item.rect);
    const bool highlighted = i == model_.Highlighted();
    if (highlighted) {
      painter.fillRect(row, kHighlight);
    }
    const QRect textRect(row.left() + kTextLeft, row.top(), kTextRight - kTextLeft, row.height());
    painter.setPen(highlighted ? kHighlightedText : kText);
    const QString text =
        QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size()));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     FitCaption(painter, this, CaptionKind::kListEntry, text, textRect.size()));
    const QPixmap& flag = flags_[static_cast<std::size_t>(i)];
    if (!flag.isNull()) {
      const QSize size = LogicalSize(flag);
      painter.drawPixmap(row.left() + (kFlagColumn - size.width()) / 2,
                         row.top() + (row.height() - size.height()) / 2, flag);
    }
  }
}

void LanguageMenuWindow::mouseMoveEvent(QMouseEvent* event) {
  model_.MovePointer(ToPoint(event->position()));
}

void LanguageMenuWindow::mousePressEvent(QMouseEvent* event) {
  // A press outside a popup closes it; Qt delivers that press here first.
  if (!rect().contains(event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (event->button() == Qt::LeftButton) {
    model_.PressButton(ToPoint(event->position()));
  }
}

void LanguageMenuWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_.ReleaseButton(ToPoint(event->position()));
  }
}

void LanguageMenuWindow::leaveEvent(QEvent*) {
  model_.MovePointer(ToPoint(mapFromGlobal(QCursor::pos())));
}

void LanguageMenuWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      model_.PressUp();
      break;
    case Qt::Key_Down:
      model_.PressDown();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      model_.PressEnter();
      break;
    case Qt::Key_Escape:
      model_.PressEscape();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void LanguageMenuWindow::closeEvent(QCloseEvent* event) {
  if (!closedReported_) {
    closedReported_ = true;
    emit closed();
  }
  QWidget::closeEvent(event);
}

void LanguageMenuWindow::HighlightChanged() {
  update();
}

void LanguageMenuWindow::LanguageChosen(int number) {
  emit languageChosen(number);
  close();
}

void LanguageMenuWindow::CloseWithoutChoice() {
  close();
}

}  // namespace n63k::ui
