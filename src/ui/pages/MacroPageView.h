#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>

#include "core/buttons/InputHooks.h"
#include "core/pages/MacroPageModel.h"
#include "ui/widgets/BitmapButton.h"

namespace n63k::ui {

class BitmapEdit;
class PopupMenu;
class SkinListBox;

// The macro page: the group button and its menu, the macro and event lists,
// the recorder and the panel that inserts or changes an event. It draws
// MacroPageModel and hands it every click, edit and captured key; the keys
// the input hooks capture for it are queued back onto the window's thread.
class MacroPageView final : public QWidget, private MacroPageObserver, private InputReceiver {
  Q_OBJECT

 public:
  MacroPageView(MacroPageModel& model, std::filesystem::path programFolder,
                QWidget* parent = nullptr);
  ~MacroPageView() override;

  // The page's controls, for tests.
  BitmapButton* Button(macro_page::Control control) const;
  BitmapEdit* Field(macro_page::Control control) const;
  SkinListBox* MacroList() const { return macroList_; }
  SkinListBox* EventList() const { return eventList_; }
  PopupMenu* GroupMenu() const { return menu_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MacroPageChanged(MacroPagePart part) override;
  void StartRename(int index) override;
  void FinishRename() override;
  void FocusControl(macro_page::Control control) override;
  void CapturedInput(std::uint32_t key, std::uint32_t flags) override;
  void PcAction(std::uint32_t) override {}

  void Build();
  void ShowLanguage();
  void ShowMacros();
  void ShowEvents();
  void ShowControls();
  void ShowGroupMenu();
  void MovedTo(QPoint point);

  MacroPageModel& model_;
  std::filesystem::path programFolder_;
  std::optional<bool> shownChinese_;
  QPixmap background_;
  std::array<BitmapButton*, macro_page::kPlaces.size()> buttons_{};
  BitmapEdit* loopField_ = nullptr;
  BitmapEdit* keyField_ = nullptr;
  BitmapEdit* delayField_ = nullptr;
  SkinListBox* macroList_ = nullptr;
  SkinListBox* eventList_ = nullptr;
  PopupMenu* menu_ = nullptr;
  // A move over a control reaches the page twice: forwarded by the control,
  // and passed on because the control leaves it unhandled.
  QPoint lastMove_{-1, -1};
};

}  // namespace n63k::ui
