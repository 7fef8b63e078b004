#include "core/pages/ChooserModel.h"

#include <algorithm>

#include "core/buttons/DeviceWord.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyNames.h"
#include "core/i18n/StringKeys.h"
#include "core/macro/GameGroups.h"
#include "core/pages/ChooserChoices.h"
#include "core/pages/ChooserLayout.h"

namespace n63k {
namespace {

constexpr std::array<std::uint8_t, 4> kModifierBits = {kModifierCtrl, kModifierAlt, kModifierShift,
                                                       kModifierWin};

// The boxes' keys: generic, left and right (Windows has no generic code).
struct ModifierKeys {
  ModifierBox box;
  std::array<std::uint32_t, 3> keys;
};
constexpr std::array<ModifierKeys, 4> kModifierKeys = {{
    {ModifierBox::kShift, {0x10, 0xA0, 0xA1}},
    {ModifierBox::kCtrl, {0x11, 0xA2, 0xA3}},
    {ModifierBox::kAlt, {0x12, 0xA4, 0xA5}},
    {ModifierBox::kWin, {0x5B, 0x5C, 0x5C}},
}};

std::optional<ModifierBox> BoxOfKey(std::uint32_t virtualKey) {
  for (const ModifierKeys& modifier : kModifierKeys) {
    if (std::ranges::find(modifier.keys, virtualKey) != modifier.keys.end()) {
      return modifier.box;
    }
  }
  return std::nullopt;
}

// A modifier's press toggles its box: these flag values are presses, with or
// without the extended, injected and Alt bits. Releases, and anything odder,
// leave the box alone.
bool IsPlainPress(std::uint32_t flags) {
  constexpr std::array<std::uint32_t, 6> kPresses = {0, 1, 16, 17, 32, 33};
  return std::ranges::find(kPresses, flags) != kPresses.end();
}

std::size_t KeyIndex(std::string_view name) {
  const auto found = std::ranges::find(kStringKeys, name);
  return static_cast<std::size_t>(found - kStringKeys.begin());
}

std::vector<const ButtonFunction*> BasicFunctions() {
  std::vector<const ButtonFunction*> functions;
  for (const ButtonFunction& function : FunctionCatalogue()) {
    if (!function.chooserKey.empty()) {
      functions.push_back(&function);
    }
  }
  return functions;
}

}  // namespace

ChooserModel::ChooserModel(int slot, std::string caption, const Localisation& localisation,
                           const MacroTable& macros, const KeyCharacters& keyCharacters,
                           InputHooks& hooks, InputReceiver& keyTarget, UserMessages& messages)
    : slot_(slot),
      caption_(std::move(caption)),
      localisation_(localisation),
      macros_(macros),
      keyCharacters_(keyCharacters),
      hooks_(hooks),
      keyTarget_(keyTarget),
      messages_(messages) {}

ChooserModel::~ChooserModel() {
  if (hooks_.captureTarget() == &keyTarget_) {
    CaptureOff();
  }
}

void ChooserModel::Open() {
  ShowPage(ChooserPage::kCombination);
}

void ChooserModel::ClickTab(ChooserPage page) {
  ShowPage(page);
}

void ChooserModel::ClickDisableBox() {
  disabled_ = !disabled_;
  ShowPage(ChooserPage::kCombination);
}

void ChooserModel::ShowPage(ChooserPage page) {
  if (!disabled_) {
    page_ = page;
    if (page == ChooserPage::kCombination) {
      hooks_.SetCaptureTarget(&keyTarget_);
      hooks_.SetInputCapture(true, false);
    } else {
      CaptureOff();
    }
  }
  // While disabled every tab shows unselected and every page hidden; capture
  // stays as it was.
  if (observer_ != nullptr) {
    observer_->PagesChanged();
  }
}

void ChooserModel::CaptureOff() {
  hooks_.SetInputCapture(false, false);
}

void ChooserModel::PressDefault() {
  CaptureOff();
  End(ChooseDefaultFunction(slot_));
}

void ChooserModel::PressOk() {
  std::optional<ChooserResult> result;
  if (disabled_) {
    result = ChooseDisabled(slot_);
  } else if (page_ == ChooserPage::kAdvanced && actionRow_ >= 0) {
    const PcActionChoice choice =
        ChoosePcAction(slot_, static_cast<PcActionKind>(actionRow_),
                       actionPaths_[static_cast<std::size_t>(actionRow_)]);
    if (choice.problem == PcActionProblem::kPathTooLong) {
      // A cut path would name another file: the user shortens it instead.
      messages_.InfoBox(localisation_.chineseUi
                            ? "路径太长, 最多 " + std::to_string(kMaxPcActionPathUnits) + " 个字符."
                            : "The path is too long: at most " +
                                  std::to_string(kMaxPcActionPathUnits) + " characters.",
                        false);
      return;
    }
    if (choice.problem == PcActionProblem::kNone) {
      result = choice.result;
    }
  } else {
    result = ShownPageResult();
  }
  CaptureOff();
  End(result);
}

std::optional<ChooserResult> ChooserModel::ShownPageResult() {
  switch (page_) {
    case ChooserPage::kCombination:
      return ChooseKeyCombination(slot_, modifiers_, virtualKey_);
    case ChooserPage::kMacro:
      if (macro_ < 0) {
        return std::nullopt;
      }
      return ChooseMacro(slot_, macroItems_[static_cast<std::size_t>(macro_)].identifier, macros_);
    case ChooserPage::kBasic:
      if (basic_ < 0) {
        return std::nullopt;
      }
      return ChooseBasicFunction(slot_, BasicFunctions()[static_cast<std::size_t>(basic_)]->code);
    case ChooserPage::kAdvanced:
      break;
  }
  return std::nullopt;
}

void ChooserModel::PressClose() {
  CaptureOff();
  End(std::nullopt);
}

void ChooserModel::End(std::optional<ChooserResult> result) {
  if (ended_) {
    return;
  }
  ended_ = true;
  result_ = std::move(result);
  if (observer_ != nullptr) {
    observer_->Ended();
  }
}

void ChooserModel::ClickModifierBox(ModifierBox box) {
  modifiers_ ^= kModifierBits[static_cast<std::size_t>(box)];
  if (observer_ != nullptr) {
    observer_->CombinationChanged();
  }
}

void ChooserModel::CaptureKey(std::uint32_t virtualKey, std::uint32_t flags) {
  if (ended_) {
    return;
  }
  if (const std::optional<ModifierBox> box = BoxOfKey(virtualKey)) {
    if (IsPlainPress(flags)) {
      ClickModifierBox(*box);
    }
    return;
  }
  virtualKey_ = virtualKey;
  if (observer_ != nullptr) {
    observer_->CombinationChanged();
  }
}

void ChooserModel::SelectGroup(int index) {
  if (index < 0 || index >= kLastGroup || index == group_) {
    return;
  }
  group_ = index;
  macroItems_ = macros_.ListMacrosOfGroup(index + kFirstGroup);
  macro_ = -1;
  if (observer_ != nullptr) {
    observer_->MacroListChanged();
  }
}

void ChooserModel::SelectMacro(int index) {
  if (index >= -1 && index < static_cast<int>(macroItems_.size())) {
    macro_ = index;
  }
}

void ChooserModel::SelectBasic(int index) {
  if (index >= -1 && index < static_cast<int>(BasicFunctions().size())) {
    basic_ = index;
  }
}

void ChooserModel::SelectActionRow(int row) {
  if (row < 0 || row >= static_cast<int>(actionPaths_.size())) {
    return;
  }
  actionRow_ = row;
  if (observer_ != nullptr) {
    observer_->ActionsChanged();
  }
}

BrowseDialog ChooserModel::Browse(int row) {
  SelectActionRow(row);
  switch (static_cast<PcActionKind>(row)) {
    case PcActionKind::kSound:
      return {false, "*.wav *.WAV", "/usr/share/sounds"};
    case PcActionKind::kProgram:
      // Programs here carry no extension to filter by.
      return {false, "*", "/usr/bin"};
    case PcActionKind::kFile:
      return {false, "*", ""};
    case PcActionKind::kFolder:
      break;
  }
  return {true, "", ""};
}

void ChooserModel::SetActionPath(int row, std::string path) {
  if (row < 0 || row >= static_cast<int>(actionPaths_.size())) {
    return;
  }
  actionRow_ = row;
  actionPaths_[static_cast<std::size_t>(row)] = std::move(path);
  if (observer_ != nullptr) {
    observer_->ActionsChanged();
  }
}

std::optional<ChooserPage> ChooserModel::ShownPage() const {
  if (disabled_) {
    return std::nullopt;
  }
  return page_;
}

bool ChooserModel::ModifierChecked(ModifierBox box) const {
  return (modifiers_ & kModifierBits[static_cast<std::size_t>(box)]) != 0;
}

std::string ChooserModel::KeyName() const {
  return virtualKey_ == 0 ? std::string() : GetKeyName(virtualKey_, keyCharacters_);
}

std::vector<std::string> ChooserModel::GroupTexts() const {
  std::vector<std::string> texts;
  for (int group = kFirstGroup; group <= kLastGroup; ++group) {
    texts.emplace_back(GetGroupText(group, GroupTextPlace::kChooser, localisation_.chineseUi));
  }
  return texts;
}

std::vector<std::string> ChooserModel::BasicTexts() const {
  std::vector<std::string> texts;
  for (const ButtonFunction* function : BasicFunctions()) {
    texts.push_back(Text(KeyIndex(function->chooserKey)));
  }
  return texts;
}

const std::string& ChooserModel::ActionPath(int row) const {
  return actionPaths_.at(static_cast<std::size_t>(row));
}

const std::string& ChooserModel::Text(std::size_t keyIndex) const {
  return localisation_.texts.All().at(keyIndex);
}

std::string ChooserModel::Title() const {
  return localisation_.texts.Get("str_panel");
}

std::string ChooserModel::CurrentFunctionText() const {
  return localisation_.texts.Get("str_cur_function") + caption_;
}

std::string ChooserModel::TabCaption(ChooserPage page) const {
  return localisation_.texts.Get(chooser::kTabCaptions[static_cast<std::size_t>(page) - 1]);
}

std::string ChooserModel::DisableLabel() const {
  return localisation_.texts.Get("str_disable");
}

std::string ChooserModel::DefaultCaption() const {
  return localisation_.texts.Get("str_default_setting");
}

std::string ChooserModel::OkCaption() const {
  return localisation_.texts.Get("str_ok");
}

std::string ChooserModel::BrowseCaption() const {
  return localisation_.texts.Get("str_browse");
}

std::string ChooserModel::ActionRowLabel(int row) const {
  return localisation_.texts.Get(chooser::kActionRows.at(static_cast<std::size_t>(row)).caption);
}

std::string ChooserModel::CloseName() const {
  return localisation_.chineseUi ? "关闭" : "Close";
}

std::string ChooserModel::ModifierName(ModifierBox box) const {
  constexpr std::array<std::string_view, 4> kNames = {"Ctrl", "Alt", "Shift", "Win"};
  return std::string(kNames[static_cast<std::size_t>(box)]);
}

}  // namespace n63k
