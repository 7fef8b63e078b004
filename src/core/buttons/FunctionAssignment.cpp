#include "core/buttons/FunctionAssignment.h"

#include <algorithm>
#include <array>

#include "core/base/Utf.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyNames.h"

namespace n63k {
namespace {

// `pcActionKind` by the chooser's action index.
constexpr std::array<std::int32_t, 4> kPcActionKinds = {0xC0, 0xD0, 0xE0, 0xF0};

bool IsWheel(int slot) {
  return slot == 5 || slot == 6;
}

bool CanBeProduced(const ChooserResult& result) {
  if (result.buttonIndex < 0 || result.buttonIndex >= kButtonCount) {
    return false;
  }
  switch (result.kind) {
    case kChooserBasic:
      return FindFunction(static_cast<std::int32_t>(result.value)) != nullptr;
    case kFunctionPcAction:
      return result.subKind >= 0 && result.subKind < static_cast<int>(kPcActionKinds.size());
    case kFunctionCombination:
    case kFunctionMacro:
    case kFunctionDisable:
      return true;
    default:
      return false;
  }
}

bool AnotherSlotClicks(const ProfileRecord& record, int slot) {
  for (int other = 0; other < kButtonCount; ++other) {
    if (other != slot && record.buttons[other].functionCode == kFunctionClick) {
      return true;
    }
  }
  return false;
}

}  // namespace

FunctionAssignment::FunctionAssignment(ProfileRecord& record, ButtonMacroIds& macroIds,
                                       const MacroTable& macros, UserMessages& messages,
                                       const Localisation& localisation,
                                       const KeyCharacters& keyCharacters)
    : record_(record),
      macroIds_(macroIds),
      macros_(macros),
      messages_(messages),
      localisation_(localisation),
      keyCharacters_(keyCharacters) {}

bool FunctionAssignment::AssignFunction(const ChooserResult& result) {
  if (!CanBeProduced(result)) {
    return false;
  }
  const int slot = result.buttonIndex;
  const bool chinese = localisation_.chineseUi;
  const std::int32_t code =
      result.kind == kChooserBasic ? static_cast<std::int32_t>(result.value) : result.kind;

  if (code != kFunctionClick && !AnotherSlotClicks(record_, slot)) {
    messages_.InfoBox(chinese ? "请保留至少一个键为\"单击\"功能!"
                              : "At least one button must be configured as 'Left click'!",
                      false);
    return false;
  }
  if (code == kFunctionSnipe && IsWheel(slot)) {
    messages_.InfoBox(
        chinese ? "此按键不可使用狙击功能!" : "This key can not use the sniper function!", false);
    return false;
  }

  macroIds_[static_cast<std::size_t>(slot)] = 0;
  ButtonEntry& entry = record_.buttons[slot];
  entry.functionCode = code;
  switch (result.kind) {
    case kFunctionCombination:
      entry.comboWord = result.value;
      SetFixedText(entry.caption, GetComboText(result.value, keyCharacters_));
      break;
    case kFunctionMacro: {
      macroIds_[static_cast<std::size_t>(slot)] = result.value;
      entry.macroId = result.value;
      const MacroRecord* macro = macros_.FindMacro(result.value);
      SetFixedText(entry.caption, macro == nullptr ? std::string() : FixedText(macro->name));
      break;
    }
    case kFunctionPcAction:
      entry.pcActionTag = result.value;
      entry.pcActionKind = kPcActionKinds[static_cast<std::size_t>(result.subKind)];
      SetFixedText(entry.pcActionPath, result.path);
      SetFixedText(entry.caption, result.path);
      break;
    default:
      SetFixedText(entry.caption, GetFunctionName(code, chinese));
      break;
  }
  return true;
}

void FunctionAssignment::NormaliseCaption(int slot) {
  if (slot < 0 || slot >= kButtonCount) {
    return;
  }
  auto& caption = record_.buttons[slot].caption;
  const std::string current = FixedText(caption);
  // The seven default functions, whose names a default profile stores in the
  // language active when it was built.
  for (const ButtonSlot& button : kButtonSlots) {
    const std::string_view chineseName = GetFunctionName(button.defaultCode, true);
    const std::string_view englishName = GetFunctionName(button.defaultCode, false);
    if (current == chineseName || current == englishName) {
      const std::string_view wanted = localisation_.chineseUi ? chineseName : englishName;
      if (current != wanted) {
        SetFixedText(caption, wanted);
      }
      return;
    }
  }
}

}  // namespace n63k
