#include "ui/windows/WindowMessages.h"

#include <QMessageBox>
#include <utility>

#include "core/pages/InfoBoxModel.h"
#include "ui/windows/InfoBoxWindow.h"

namespace n63k::ui {

WindowMessages::WindowMessages(const Localisation& localisation, Timers& timers,
                               std::filesystem::path programFolder, QWidget* parent)
    : localisation_(localisation),
      timers_(timers),
      programFolder_(std::move(programFolder)),
      parent_(parent) {}

InfoAnswer WindowMessages::InfoBox(const std::string& text, bool hasCancel) {
  InfoBoxModel model(text, hasCancel, InfoBoxModel::Mode::kModal, localisation_.chineseUi, timers_);
  InfoBoxWindow box(model, programFolder_, parent_);
  return box.Run();
}

void WindowMessages::StandardInfo(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Info"),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, parent_);
  box.exec();
}

void WindowMessages::CountDown(const std::string& text) {
  InfoBoxModel model(text, false, InfoBoxModel::Mode::kCountDown, localisation_.chineseUi, timers_);
  InfoBoxWindow box(model, programFolder_, parent_);
  box.Run();
}

}  // namespace n63k::ui
