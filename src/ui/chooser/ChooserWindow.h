#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <memory>

#include "core/base/UserMessages.h"
#include "core/buttons/InputHooks.h"
#include "core/buttons/KeyCharacters.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroTable.h"
#include "core/pages/ChooserModel.h"
#include "core/pages/FunctionAssignment.h"
#include "core/store/ProfileRecord.h"
#include "ui/chooser/AdvancedPage.h"
#include "ui/widgets/WindowDrag.h"

namespace n63k::ui {

class BitmapButton;
class CombinationPage;
class MacroPage;
class BasicPage;

// What the chooser reads and where its choice goes.
struct ChooserContext {
  ProfileRecord& record;
  FunctionAssignment& assignment;
  const Localisation& localisation;
  const MacroTable& macros;
  const KeyCharacters& keyCharacters;
  InputHooks& hooks;
  UserMessages& messages;
  std::filesystem::path programFolder;
  // The advanced page's file dialogs and folder picker.
  BrowseFunction browse = BrowseWithFileDialog;
};

// The function chooser for one button slot: a frameless modal window over its
// owner, with the four pages, the disable box, Default and OK. Its choice is
// assigned to the slot through FunctionAssignment, whose refusals tell the
// user why.
class ChooserWindow final : public QDialog, private ChooserObserver, private InputReceiver {
  Q_OBJECT

 public:
  ChooserWindow(const ChooserContext& context, int slot, QWidget* owner);
  ~ChooserWindow() override;

  // Shows the chooser modally; its choice, none when it was cancelled or
  // nothing was chosen. For a page that assigns the choice itself.
  std::optional<ChooserResult> Choose();
  // Shows the chooser modally; true when its choice was assigned to the slot.
  bool Run();
  // After the window ended: assigns its choice, if any.
  bool AssignChoice();

  ChooserModel& Model() { return *model_; }
  BitmapButton* tab(ChooserPage page) const { return tabs_[static_cast<std::size_t>(page) - 1]; }
  BitmapButton* disableBox() const { return disable_; }
  BitmapButton* defaultButton() const { return default_; }
  BitmapButton* okButton() const { return ok_; }
  BitmapButton* closeButton() const { return close_; }
  CombinationPage* combinationPage() const { return combination_; }
  MacroPage* macroPage() const { return macro_; }
  BasicPage* basicPage() const { return basic_; }
  AdvancedPage* advancedPage() const { return advanced_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void PagesChanged() override;
  void CombinationChanged() override;
  void MacroListChanged() override;
  void ActionsChanged() override;
  void Ended() override;
  // The hooks' keys, queued to the window's thread.
  void CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) override;
  void PcAction(std::uint32_t) override {}

  ChooserContext context_;
  std::unique_ptr<ChooserModel> model_;
  QPixmap background_;
  std::array<BitmapButton*, 4> tabs_{};
  BitmapButton* close_ = nullptr;
  BitmapButton* disable_ = nullptr;
  BitmapButton* default_ = nullptr;
  BitmapButton* ok_ = nullptr;
  CombinationPage* combination_ = nullptr;
  MacroPage* macro_ = nullptr;
  BasicPage* basic_ = nullptr;
  AdvancedPage* advanced_ = nullptr;
  WindowDrag drag_{*this};
};

}  // namespace n63k::ui
