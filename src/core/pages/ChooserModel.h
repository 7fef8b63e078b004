#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/UserMessages.h"
#include "core/buttons/ChooserResult.h"
#include "core/buttons/InputHooks.h"
#include "core/buttons/KeyCharacters.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroTable.h"

namespace n63k {

// The chooser's four pages, numbered as its tabs.
enum class ChooserPage { kCombination = 1, kMacro = 2, kBasic = 3, kAdvanced = 4 };

// The modifier boxes of the key-combination page, in the page's order.
enum class ModifierBox { kCtrl = 0, kAlt = 1, kShift = 2, kWin = 3 };

// What the chooser's window follows.
class ChooserObserver {
 public:
  virtual ~ChooserObserver() = default;
  // The tabs, the shown page or the disable box changed.
  virtual void PagesChanged() = 0;
  // A modifier box or the captured key changed.
  virtual void CombinationChanged() = 0;
  // The macro list was filled for another group.
  virtual void MacroListChanged() = 0;
  // The selected PC-action row or a path changed.
  virtual void ActionsChanged() = 0;
  // The chooser has ended: the window closes.
  virtual void Ended() = 0;
};

// The dialog the advanced page's browse button opens for a row.
struct BrowseDialog {
  bool folder = false;      // a folder picker instead of an open-file dialog
  std::string nameFilter;   // file name patterns, space-separated
  std::string startFolder;  // empty: the user's home folder
};

// The function chooser for one button slot: four pages (key combination,
// macro, basic functions, PC actions), a box that disables the button, and
// the default and OK buttons. It only produces a ChooserResult; the button
// page validates and stores it. While the key-combination page is shown it is
// the input hooks' keyboard target (through `keyTarget`, which queues the
// keys back to CaptureKey on the window's thread).
class ChooserModel {
 public:
  // `caption`: the slot's current function as the record shows it.
  ChooserModel(int slot, std::string caption, const Localisation& localisation,
               const MacroTable& macros, const KeyCharacters& keyCharacters, InputHooks& hooks,
               InputReceiver& keyTarget, UserMessages& messages);
  ChooserModel(const ChooserModel&) = delete;
  ChooserModel& operator=(const ChooserModel&) = delete;
  // Capture never outlives the chooser, however its window went away.
  ~ChooserModel();

  void SetObserver(ChooserObserver* observer) { observer_ = observer; }

  // The window is on the screen: the key-combination page shows.
  void Open();
  void ClickTab(ChooserPage page);
  void ClickDisableBox();
  void PressDefault();
  void PressOk();
  void PressClose();

  // Key-combination page.
  void ClickModifierBox(ModifierBox box);
  // A key event that the hooks captured: virtual-key code and key_flag bits.
  void CaptureKey(std::uint32_t virtualKey, std::uint32_t flags);

  // Macro page: the user selects a row of the group list or the macro list.
  void SelectGroup(int index);
  void SelectMacro(int index);

  // Basic page: the user selects a row of the list.
  void SelectBasic(int index);

  // Advanced page.
  void SelectActionRow(int row);
  // The browse button or a double click on the path field: selects the row
  // and says which dialog to open.
  BrowseDialog Browse(int row);
  // The user confirmed the dialog with `path`.
  void SetActionPath(int row, std::string path);

  // The visible page; none while the disable box hides them all.
  std::optional<ChooserPage> ShownPage() const;
  bool TabSelected(ChooserPage page) const { return ShownPage() == page; }
  bool Disabled() const { return disabled_; }

  bool ModifierChecked(ModifierBox box) const;
  // The captured key's name; empty before a key was captured.
  std::string KeyName() const;

  // The 21 game groups' chooser texts and the selected row (-1: none).
  std::vector<std::string> GroupTexts() const;
  int SelectedGroup() const { return group_; }
  const std::vector<MacroListItem>& Macros() const { return macroItems_; }
  int SelectedMacro() const { return macro_; }

  // The basic functions, by their chooser texts, in list order.
  std::vector<std::string> BasicTexts() const;
  int SelectedBasic() const { return basic_; }

  int SelectedActionRow() const { return actionRow_; }
  const std::string& ActionPath(int row) const;

  // Texts of the window, in the interface language.
  std::string Title() const;
  std::string CurrentFunctionText() const;
  std::string TabCaption(ChooserPage page) const;
  std::string DisableLabel() const;
  std::string DefaultCaption() const;
  std::string OkCaption() const;
  std::string BrowseCaption() const;
  std::string ActionRowLabel(int row) const;
  // Controls without a caption, as screen readers name them.
  std::string CloseName() const;
  std::string ModifierName(ModifierBox box) const;

  bool HasEnded() const { return ended_; }
  // The choice once the chooser ended with OK; none when it was cancelled.
  const std::optional<ChooserResult>& Result() const { return result_; }

 private:
  void ShowPage(ChooserPage page);
  void CaptureOff();
  std::optional<ChooserResult> ShownPageResult();
  void End(std::optional<ChooserResult> result);
  const std::string& Text(std::size_t keyIndex) const;

  int slot_;
  std::string caption_;
  const Localisation& localisation_;
  const MacroTable& macros_;
  const KeyCharacters& keyCharacters_;
  InputHooks& hooks_;
  InputReceiver& keyTarget_;
  UserMessages& messages_;
  ChooserObserver* observer_ = nullptr;

  ChooserPage page_ = ChooserPage::kCombination;
  bool disabled_ = false;
  std::uint8_t modifiers_ = 0;
  std::uint32_t virtualKey_ = 0;
  int group_ = -1;
  std::vector<MacroListItem> macroItems_;
  int macro_ = -1;
  int basic_ = -1;
  int actionRow_ = -1;
  std::array<std::string, 4> actionPaths_;
  bool ended_ = false;
  std::optional<ChooserResult> result_;
};

}  // namespace n63k
