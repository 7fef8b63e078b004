#include "ui/pages/SupportPage.h"

#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>

#include "core/pages/SkinFiles.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

namespace {

using support_page::Control;

constexpr int kLabelPixels = 14;
const QColor kCaptionColour(0xd6, 0xdb, 0xe3);
const QColor kVersionColour(support_page::kVersionColour[0], support_page::kVersionColour[1],
                            support_page::kVersionColour[2]);

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ChooseWithDialog(QWidget* parent, bool save) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("CFG Files(*.cfg)"));
  dialog.setDefaultSuffix(QStringLiteral("cfg"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().front();
}

}  // namespace

SupportPage::SupportPage(SupportPageModel& model, const std::filesystem::path& programFolder,
                         QWidget* parent)
    : QWidget(parent), model_(model), chooseFile_(&ChooseWithDialog) {
  setFixedSize(support_page::kWidth, support_page::kHeight);
  setMouseTracking(true);
  PagePictures pictures;
  pictures.normal = LoadSkinPicture(programFolder, skin_files::kSupportNormal);
  pictures.hover = LoadSkinPicture(programFolder, skin_files::kSupportOver);
  pictures.pressed = LoadSkinPicture(programFolder, skin_files::kSupportDown);
  background_ = pictures.normal;

  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const Rect& rect = support_page::kControls[i].rect;
    auto* button = new BitmapButton(rect, this);
    button->SetPictures(rect, pictures);
    button->SetTextColours(kCaptionColour, Qt::white, Qt::white);
    button->setFocusPolicy(Qt::StrongFocus);
    buttons_[i] = button;
  }
  connect(Button(Control::kUpdate), &BitmapButton::clicked, this, [this] { model_.PressUpdate(); });
  connect(Button(Control::kWebSite), &BitmapButton::clicked, this,
          [this] { model_.PressWebSite(); });
  connect(Button(Control::kImport), &BitmapButton::clicked, this, [this] {
    if (const QString file = chooseFile_(this, false); !file.isEmpty()) {
      model_.ImportFile(file.toStdString());
    }
  });
  connect(Button(Control::kExport), &BitmapButton::clicked, this, [this] {
    if (const QString file = chooseFile_(this, true); !file.isEmpty()) {
      model_.ExportFile(file.toStdString());
    }
  });
  connect(Button(Control::kRestoreDefaults), &BitmapButton::clicked, this,
          [this] { model_.PressRestoreDefaults(); });
  ShowCaptions();
  model_.SetObserver(this);
}

SupportPage::~SupportPage() {
  model_.SetObserver(nullptr);
}

BitmapButton* SupportPage::Button(Control control) const {
  const auto index = static_cast<std::size_t>(control);
  return index < buttons_.size() ? buttons_[index] : nullptr;
}

void SupportPage::SupportPageChanged() {
  ShowCaptions();
  update();
}

void SupportPage::ShowCaptions() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetText(FromUtf8(model_.Caption(support_page::kControls[i].control)));
  }
  setAccessibleDescription(FromUtf8(model_.Caption(Control::kProgram)) + QLatin1Char(' ') +
                           FromUtf8(std::string(SupportPageModel::kProgramVersion)) +
                           QLatin1String(", ") + FromUtf8(model_.Caption(Control::kFirmware)) +
                           QLatin1Char(' ') + FromUtf8(model_.FirmwareVersion()));
}

void SupportPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
  }
  painter.setFont(DialogFont(kLabelPixels));
  painter.setPen(kCaptionColour);
  for (const Control area : {Control::kProgram, Control::kFirmware}) {
    const QRect rect = ToQRect(support_page::Place(area).rect);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                     FitCaption(painter, this, CaptionKind::kLabel, FromUtf8(model_.Caption(area)),
                                rect.size(), false));
  }
  painter.setFont(DialogFont(support_page::kVersionPixelSize));
  painter.setPen(kVersionColour);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  painter.drawText(ToQRect(support_page::kProgramVersionText), flags,
                   FromUtf8(std::string(SupportPageModel::kProgramVersion)));
  painter.drawText(ToQRect(support_page::kFirmwareVersionText), flags,
                   FromUtf8(model_.FirmwareVersion()));
}

void SupportPage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  std::optional<Control> under;
  for (const support_page::ControlPlace& place : support_page::kControls) {
    if (place.rect.Contains({at.x(), at.y()})) {
      under = place.control;
      break;
    }
  }
  if (under != hovered_) {
    hovered_ = under;
    if (under) {
      model_.Hover(*under);
    }
  }
  QWidget::mouseMoveEvent(event);
}

void SupportPage::leaveEvent(QEvent* event) {
  hovered_.reset();
  QWidget::leaveEvent(event);
}

}  // namespace n63k::ui
