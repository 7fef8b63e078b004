#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "core/pages/PopupMenuItems.h"

class QWidget;

namespace n63k::ui {

// The pages' pop-up menu: shows items at a screen point in the tray menu's
// look and reports the chosen item's command a moment later, as a posted
// notice would arrive. One menu at a time per owner.
class PopupMenu final : public QObject {
  Q_OBJECT

 public:
  explicit PopupMenu(QWidget* owner);
  ~PopupMenu() override;

  // Opens the items at `at` (screen pixels), closing a menu still open.
  void Open(QPoint at, const std::vector<PopupMenuItem>& items);
  // Closes the menu if one is open; nothing otherwise.
  void Close();
  bool IsOpen() const;
  // The open menu, for tests and screen readers; null when none is open.
  QMenu* Menu() const { return menu_; }

 signals:
  void picked(std::uint16_t command);

 private:
  QWidget* owner_;
  QPointer<QMenu> menu_;
};

}  // namespace n63k::ui
