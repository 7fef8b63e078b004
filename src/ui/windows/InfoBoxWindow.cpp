#include "ui/windows/InfoBoxWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/pages/InfoBoxLayout.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"
#include "ui/windows/WrappedText.h"

namespace n63k::ui {

namespace {

constexpr int kTextPixels = 14;
// The margin a button keeps inside its caption's rectangle.
constexpr int kButtonMargin = 5;
const QColor kTextColour(83, 97, 103);

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

InfoBoxWindow::InfoBoxWindow(InfoBoxModel& model, const std::filesystem::path& programFolder,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), model_(model) {
  setWindowTitle(QStringLiteral("KorvuN63KInfoDlg"));
  setModal(true);
  // The box never grows: a long message is wrapped and cut instead.
  setFixedSize(info_box::kWidth, info_box::kHeight);
  setAccessibleName(FromUtf8(model_.Title()));
  setAccessibleDescription(FromUtf8(model_.Text()));

  const skin_files::BoxLooks& looks = model_.Looks();
  PagePictures pictures;
  pictures.normal = LoadSkinPicture(programFolder, looks.normal);
  pictures.hover = LoadSkinPicture(programFolder, looks.hover);
  pictures.pressed = LoadSkinPicture(programFolder, looks.pressed);
  background_ = pictures.normal;

  const auto makeButton = [&](const Rect& rect, const std::string& caption) {
    auto* button = new BitmapButton(rect, this);
    button->SetPictures(rect, pictures);
    button->SetTextColours(kTextColour, Qt::white, Qt::white);
    button->SetText(FromUtf8(caption));
    return button;
  };
  ok_ = makeButton(model_.OkButton(), model_.OkCaption());
  // "确定 (5s)" needs the button's whole width; the button keeps a margin of
  // its own inside the rectangle it is given.
  ok_->SetTextRect(
      {-kButtonMargin, 0, model_.OkButton().Width() + kButtonMargin, model_.OkButton().Height()});
  if (model_.HasCancel()) {
    cancel_ = makeButton(info_box::kCancel, model_.CancelCaption());
    connect(cancel_, &BitmapButton::clicked, this, [this] { model_.PressCancel(); });
  }
  close_ = makeButton(info_box::kClose, {});
  close_->setAccessibleName(FromUtf8(model_.CloseName()));
  connect(ok_, &BitmapButton::clicked, this, [this] { model_.PressOk(); });
  connect(close_, &BitmapButton::clicked, this, [this] { model_.PressClose(); });
  ok_->setFocus();
  model_.SetObserver(this);
}

InfoBoxWindow::~InfoBoxWindow() {
  model_.SetObserver(nullptr);
}

InfoAnswer InfoBoxWindow::Run() {
  exec();
  return model_.Answer().value_or(InfoAnswer::kCancel);
}

void InfoBoxWindow::showEvent(QShowEvent* event) {
  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  const QRect area = screen->availableGeometry();
  const Point at = model_.Position({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  move(at.x, at.y);
  QDialog::showEvent(event);
  model_.Open();
}

void InfoBoxWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  painter.setFont(DialogFont(kTextPixels));
  painter.setPen(kTextColour);
  const QRect title = ToQRect(info_box::kTitle);
  painter.drawText(
      title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
      FitCaption(painter, this, CaptionKind::kLabel, FromUtf8(model_.Title()), title.size()));
  DrawWrappedText(painter, ToQRect(info_box::kTextRoom), FromUtf8(model_.Text()));
}

void InfoBoxWindow::closeEvent(QCloseEvent* event) {
  model_.CloseWindow();
  event->accept();
}

void InfoBoxWindow::reject() {
  model_.CloseWindow();
}

void InfoBoxWindow::OkCaptionChanged() {
  ok_->SetText(FromUtf8(model_.OkCaption()));
}

void InfoBoxWindow::Ended(InfoAnswer answer) {
  done(static_cast<int>(answer));
}

}  // namespace n63k::ui
