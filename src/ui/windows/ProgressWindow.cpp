#include "ui/windows/ProgressWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "core/pages/ProgressLayout.h"
#include "core/pages/SkinFiles.h"
#include "ui/widgets/ProgressBar.h"
#include "ui/widgets/SkinPicture.h"

namespace n63k::ui {

namespace {

const QColor kTextColour(128, 128, 128);
constexpr int kTextPoints = 8;
// The bar's child id, which its notices carry.
constexpr int kBarId = 777;

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

DialogKey ToDialogKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return DialogKey::kEnter;
    case Qt::Key_Escape:
      return DialogKey::kEscape;
    case Qt::Key_Space:
      return DialogKey::kSpace;
    case Qt::Key_F4:
      return event.modifiers().testFlag(Qt::AltModifier) ? DialogKey::kAltF4 : DialogKey::kOther;
    default:
      return DialogKey::kOther;
  }
}

}  // namespace

ProgressWindow::ProgressWindow(const Localisation& localisation, Timers& timers,
                               const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      localisation_(localisation),
      model_(timers, localisation.chineseUi) {
  setWindowTitle(QStringLiteral("KorvuN63KProcessDlg"));
  setModal(true);
  background_ = LoadSkinPicture(programFolder, skin_files::kProgressNormal);
  bar_ = new ProgressBar(progress_window::kBar, kBarId, this);
  bar_->SetImages(progress_window::kBar, background_,
                  LoadSkinPicture(programFolder, skin_files::kProgressOver));
  bar_->SetRange(0, 100);
  // The bar shows the write; the user has nothing to drag.
  bar_->SetDraggable(false);
  bar_->SetLocked(true);
  bar_->setFocusPolicy(Qt::NoFocus);
  // Without its picture the window keeps the size the picture is drawn at:
  // a window of no size would be modal and out of sight.
  const QSize size = background_.isNull() ? QSize(progress_window::kWidth, progress_window::kHeight)
                                          : LogicalSize(background_);
  setFixedSize(size);
  model_.SetObserver(this);
}

ProgressWindow::~ProgressWindow() {
  model_.SetObserver(nullptr);
}

void ProgressWindow::Prepare() {
  model_.SetChineseUi(localisation_.chineseUi);
  setAccessibleName(
      QString::fromUtf8(model_.Text().data(), static_cast<qsizetype>(model_.Text().size())));
  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  const QRect area = screen->availableGeometry();
  const Point at = ProgressModel::Position(
      {area.left(), area.top(), area.right() + 1, area.bottom() + 1}, width(), height());
  move(at.x, at.y);
  model_.Open();
}

void ProgressWindow::Run() {
  Prepare();
  exec();
}

void ProgressWindow::Start() {
  Prepare();
  open();
  raise();
  activateWindow();
}

void ProgressWindow::SetProgress(int percent) {
  model_.SetProgress(percent);
}

void ProgressWindow::WriteFailed() {
  model_.WriteFailed();
}

void ProgressWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  QFont font;
  // The Chinese wording needs the CJK face.
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(kTextPoints);
  painter.setFont(font);
  painter.setPen(kTextColour);
  painter.drawText(
      ToQRect(progress_window::kText), Qt::AlignLeft | Qt::AlignTop,
      QString::fromUtf8(model_.Text().data(), static_cast<qsizetype>(model_.Text().size())));
}

bool ProgressWindow::Swallow(const QKeyEvent& event) const {
  return ProgressModel::Swallows(ToDialogKey(event));
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
  if (Swallow(*event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ProgressWindow::keyReleaseEvent(QKeyEvent* event) {
  if (Swallow(*event)) {
    event->accept();
    return;
  }
  QDialog::keyReleaseEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  if (model_.AcceptsUserClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void ProgressWindow::reject() {
  if (model_.AcceptsUserClose()) {
    QDialog::reject();
  }
}

void ProgressWindow::ProgressChanged() {
  bar_->SetPos(model_.Percent());
}

void ProgressWindow::Closed() {
  done(QDialog::Accepted);
}

}  // namespace n63k::ui
