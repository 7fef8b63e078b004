#include "ui/chooser/AdvancedPage.h"

#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>

#include "core/pages/ChooserLayout.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

std::optional<QString> BrowseWithFileDialog(const BrowseDialog& dialog) {
  const QString start = dialog.startFolder.empty() || !QDir(FromUtf8(dialog.startFolder)).exists()
                            ? QDir::homePath()
                            : FromUtf8(dialog.startFolder);
  const QString chosen =
      dialog.folder
          ? QFileDialog::getExistingDirectory(nullptr, {}, start)
          : QFileDialog::getOpenFileName(nullptr, {}, start,
                                         QStringLiteral("(%1)").arg(FromUtf8(dialog.nameFilter)));
  if (chosen.isEmpty()) {
    return std::nullopt;
  }
  return chosen;
}

AdvancedPage::AdvancedPage(ChooserModel& model, const std::filesystem::path& programFolder,
                           BrowseFunction browse, QWidget* parent)
    : ChooserPanel(programFolder, skin_files::kChooserAdvanced, parent),
      model_(model),
      browse_(std::move(browse)) {
  const QColor text = FromRgb(chooser::kRowLabelText);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    const chooser::ActionRow& layout = chooser::kActionRows[i];
    const QString label = FromUtf8(model_.ActionRowLabel(row));
    Row& controls = rows_[i];
    controls.radio = MakeButton(layout.radio);
    controls.radio->SetBehaviour(true, false);
    controls.radio->setAccessibleName(label);
    connect(controls.radio, &BitmapButton::clicked, this,
            [this, row] { model_.SelectActionRow(row); });
    controls.path = MakeButton(layout.path);
    controls.path->SetTextColours(FromRgb(chooser::kLabelText), FromRgb(chooser::kLabelText),
                                  FromRgb(chooser::kLabelText));
    controls.path->setAccessibleName(label);
    controls.path->installEventFilter(this);
    controls.browse = MakeButton(layout.browse);
    controls.browse->SetTextColours(text, Qt::white, Qt::white);
    controls.browse->SetText(FromUtf8(model_.BrowseCaption()));
    controls.browse->setAccessibleDescription(label);
    connect(controls.browse, &BitmapButton::clicked, this, [this, row] { Browse(row); });
  }
  Refresh();
}

void AdvancedPage::Browse(int row) {
  const BrowseDialog dialog = model_.Browse(row);
  if (const std::optional<QString> chosen = browse_(dialog)) {
    model_.SetActionPath(row, chosen->toStdString());
  }
}

bool AdvancedPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (watched == rows_[i].path) {
        Browse(static_cast<int>(i));
        return true;
      }
    }
  }
  return ChooserPanel::eventFilter(watched, event);
}

void AdvancedPage::Refresh() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    rows_[i].radio->SetState(model_.SelectedActionRow() == row ? 1 : 0);
    const QString path = FromUtf8(model_.ActionPath(row));
    rows_[i].path->SetText(path);
    rows_[i].path->setToolTip(path);
  }
}

void AdvancedPage::paintEvent(QPaintEvent* event) {
  ChooserPanel::paintEvent(event);
  QPainter painter(this);
  painter.setFont(DialogFont(chooser::kTextPixels));
  painter.setPen(FromRgb(chooser::kRowLabelText));
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const QRect area = ToQRect(chooser::kActionRows[i].label);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     FitCaption(painter, this, CaptionKind::kLabel,
                                FromUtf8(model_.ActionRowLabel(static_cast<int>(i))), area.size()));
  }
}

}  // namespace n63k::ui
