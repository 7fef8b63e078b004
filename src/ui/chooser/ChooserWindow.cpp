#include "ui/chooser/ChooserWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include "core/base/Utf.h"
#include "core/pages/ChooserLayout.h"
#include "ui/chooser/BasicPage.h"
#include "ui/chooser/CombinationPage.h"
#include "ui/chooser/MacroPage.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/DialogKeys.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

ChooserWindow::ChooserWindow(const ChooserContext& context, int slot, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), context_(context) {
  context_.assignment.NormaliseCaption(slot);
  model_ = std::make_unique<ChooserModel>(
      slot, FixedText(context_.record.buttons[static_cast<std::size_t>(slot)].caption),
      context_.localisation, context_.macros, context_.keyCharacters, context_.hooks,
      static_cast<InputReceiver&>(*this), context_.messages);
  setWindowTitle(FromUtf8(model_->Title()));
  setModal(true);
  setFixedSize(chooser::kWidth, chooser::kHeight);
  setAccessibleName(FromUtf8(model_->Title()));

  const skin_files::BoxLooks& looks = skin_files::kChooser;
  PagePictures pictures;
  pictures.normal = LoadSkinPicture(context_.programFolder, looks.normal);
  pictures.hover = LoadSkinPicture(context_.programFolder, looks.hover);
  pictures.pressed = LoadSkinPicture(context_.programFolder, looks.pressed);
  background_ = pictures.normal;
  const QColor tabText = FromRgb(chooser::kTabText);
  const auto makeButton = [&](const Rect& rect, const std::string& caption) {
    auto* button = new BitmapButton(rect, this);
    button->SetPictures(rect, pictures);
    button->SetTextColours(tabText, Qt::white, Qt::white);
    button->SetText(FromUtf8(caption));
    return button;
  };

  close_ = makeButton(chooser::kClose, {});
  close_->setAccessibleName(FromUtf8(model_->CloseName()));
  connect(close_, &BitmapButton::clicked, this, [this] { model_->PressClose(); });
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    const auto page = static_cast<ChooserPage>(i + 1);
    tabs_[i] = makeButton(chooser::kTabs[i], model_->TabCaption(page));
    tabs_[i]->SetBehaviour(true, false);
    connect(tabs_[i], &BitmapButton::clicked, this, [this, page] { model_->ClickTab(page); });
  }
  disable_ = makeButton(chooser::kDisableBox, {});
  disable_->SetBehaviour(true, false);
  disable_->setToolTip(FromUtf8(model_->DisableLabel()));
  disable_->setAccessibleName(FromUtf8(model_->DisableLabel()));
  connect(disable_, &BitmapButton::clicked, this, [this] { model_->ClickDisableBox(); });
  default_ = makeButton(chooser::kDefault, model_->DefaultCaption());
  connect(default_, &BitmapButton::clicked, this, [this] { model_->PressDefault(); });
  ok_ = makeButton(chooser::kOk, model_->OkCaption());
  connect(ok_, &BitmapButton::clicked, this, [this] { model_->PressOk(); });

  combination_ = new CombinationPage(*model_, context_.programFolder, this);
  macro_ = new MacroPage(*model_, context_.programFolder, this);
  basic_ = new BasicPage(*model_, context_.programFolder, this);
  advanced_ = new AdvancedPage(*model_, context_.programFolder, context_.browse, this);
  for (QWidget* child : findChildren<QWidget*>()) {
    child->installEventFilter(this);
  }
  model_->SetObserver(this);
  model_->Open();
}

ChooserWindow::~ChooserWindow() {
  model_->SetObserver(nullptr);
}

std::optional<ChooserResult> ChooserWindow::Choose() {
  exec();
  return model_->Result();
}

bool ChooserWindow::Run() {
  exec();
  return AssignChoice();
}

bool ChooserWindow::AssignChoice() {
  const std::optional<ChooserResult>& result = model_->Result();
  return result.has_value() && context_.assignment.AssignFunction(*result);
}

void ChooserWindow::showEvent(QShowEvent* event) {
  // Centred on the owner's window.
  if (const QWidget* owner = parentWidget(); owner != nullptr) {
    const QRect area = owner->window()->frameGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::showEvent(event);
}

void ChooserWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  // Set smaller, down to the size bitmap buttons stop at, before cut.
  const auto draw = [&painter, this](const Rect& rect, Qt::AlignmentFlag align,
                                     const std::string& text, CaptionKind kind) {
    const QRect area = ToQRect(rect);
    const QString caption = FromUtf8(text);
    int pixels = chooser::kTextPixels;
    painter.setFont(DialogFont(pixels));
    while (pixels > kSmallestTextPixels &&
           painter.fontMetrics().horizontalAdvance(caption) > area.width()) {
      painter.setFont(DialogFont(--pixels));
    }
    painter.drawText(area, static_cast<int>(align) | Qt::AlignVCenter | Qt::TextSingleLine,
                     FitCaption(painter, this, kind, caption, area.size()));
  };
  painter.setPen(FromRgb(chooser::kTitleText));
  draw(chooser::kTitle, Qt::AlignHCenter, model_->Title(), CaptionKind::kLabel);
  painter.setPen(FromRgb(chooser::kLabelText));
  draw(chooser::kCurrentFunction, Qt::AlignLeft, model_->CurrentFunctionText(),
       CaptionKind::kLabel);
  // The disable box's caption.
  draw(chooser::kDisableLabel, Qt::AlignLeft, model_->DisableLabel(), CaptionKind::kButton);
}

void ChooserWindow::mousePressEvent(QMouseEvent* event) {
  drag_.Press(*event);
}

void ChooserWindow::mouseMoveEvent(QMouseEvent* event) {
  drag_.Move(*event);
}

void ChooserWindow::mouseReleaseEvent(QMouseEvent* event) {
  drag_.Release(*event);
}

void ChooserWindow::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither accept nor cancel the chooser.
  if (IsDialogKey(*event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool ChooserWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  // While keys are captured, Enter, Escape and Space are the user's keys,
  // not a press of the focused control.
  if (key && model_->ShownPage() == ChooserPage::kCombination &&
      IsDialogKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ChooserWindow::closeEvent(QCloseEvent* event) {
  model_->PressClose();
  event->accept();
}

void ChooserWindow::reject() {
  if (model_->HasEnded()) {
    QDialog::reject();
  }
}

void ChooserWindow::PagesChanged() {
  const std::optional<ChooserPage> shown = model_->ShownPage();
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    tabs_[i]->SetState(shown == static_cast<ChooserPage>(i + 1) ? 1 : 0);
  }
  disable_->SetState(model_->Disabled() ? 1 : 0);
  combination_->setVisible(shown == ChooserPage::kCombination);
  macro_->setVisible(shown == ChooserPage::kMacro);
  basic_->setVisible(shown == ChooserPage::kBasic);
  advanced_->setVisible(shown == ChooserPage::kAdvanced);
}

void ChooserWindow::CombinationChanged() {
  combination_->Refresh();
}

void ChooserWindow::MacroListChanged() {
  macro_->RefreshMacros();
}

void ChooserWindow::ActionsChanged() {
  advanced_->Refresh();
}

void ChooserWindow::Ended() {
  if (model_->Result().has_value()) {
    accept();
  } else {
    QDialog::reject();
  }
}

void ChooserWindow::CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) {
  QMetaObject::invokeMethod(
      this, [this, virtualKey, flags] { model_->CaptureKey(virtualKey, flags); },
      Qt::QueuedConnection);
}

}  // namespace n63k::ui
