#include "ui/widgets/PopupMenu.h"

#include <QMenu>

#include "ui/widgets/TrayMenuStyle.h"

namespace n63k::ui {

PopupMenu::PopupMenu(QWidget* owner) : QObject(owner), owner_(owner) {}

PopupMenu::~PopupMenu() {
  Close();
}

void PopupMenu::Open(QPoint at, const std::vector<PopupMenuItem>& items) {
  Close();
  auto* menu = new QMenu(owner_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  ApplyPopupMenuLook(*menu);
  for (const PopupMenuItem& item : items) {
    QAction* action = menu->addAction(QString::fromStdString(item.text));
    const std::uint16_t command = item.command;
    connect(action, &QAction::triggered, this, [this, command] {
      QMetaObject::invokeMethod(
          this, [this, command] { emit picked(command); }, Qt::QueuedConnection);
    });
  }
  menu_ = menu;
  menu->popup(at);
}

void PopupMenu::Close() {
  if (QMenu* menu = menu_.data(); menu != nullptr) {
    menu->close();
  }
}

bool PopupMenu::IsOpen() const {
  const QMenu* menu = menu_.data();
  return menu != nullptr && menu->isVisible();
}

}  // namespace n63k::ui
