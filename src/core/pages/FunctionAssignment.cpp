#include "core/pages/FunctionAssignment.h"

#include <algorithm>
#include <array>
#include <variant>

#include "core/base/Utf.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyNames.h"

namespace n63k {
namespace {

// `pcActionKind` by the chooser's action index.
constexpr std::array<std::int32_t, 4> kPcActionKinds = {0xC0, 0xD0, 0xE0, 0xF0};

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Clang before 17 deduces no aggregate's template arguments by itself.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool IsWheel(int slot) {
  return slot == 5 || slot == 6;
}

bool CanBeProduced(const ChooserResult& result) {
  if (result.buttonIndex < 0 || result.buttonIndex >= kButtonCount) {
    return false;
  }
  return std::visit(
      Overloaded{
          [](const BasicFunction& basic) { return FindFunction(basic.code) != nullptr; },
          [](const PcAction& action) {
            const auto index = static_cast<std::int32_t>(action.kind);
            return index >= 0 && index < static_cast<int>(kPcActionKinds.size());
          },
          [](const auto&) { return true; },
      },
      result.choice);
}

// The function code a choice is stored as.
std::int32_t CodeOf(const FunctionChoice& choice) {
  return std::visit(Overloaded{
                        [](const BasicFunction& basic) { return basic.code; },
                        [](const KeyCombination&) { return kFunctionCombination; },
                        [](const MacroFunction&) { return kFunctionMacro; },
                        [](const PcAction&) { return kFunctionPcAction; },
                        [](const DisabledFunction&) { return kFunctionDisable; },
                    },
                    choice);
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
  const std::int32_t code = CodeOf(result.choice);

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
  std::visit(
      Overloaded{
          [&](const KeyCombination& combination) {
            entry.comboWord = combination.deviceWord;
            SetFixedText(entry.caption, GetComboText(combination.deviceWord, keyCharacters_));
          },
          [&](const MacroFunction& macro) {
            macroIds_[static_cast<std::size_t>(slot)] = macro.identifier;
            entry.macroId = macro.identifier;
            const MacroRecord* found = macros_.FindMacro(macro.identifier);
            SetFixedText(entry.caption, found == nullptr ? std::string() : FixedText(found->name));
          },
          [&](const PcAction& action) {
            entry.pcActionTag = action.tag;
            entry.pcActionKind = kPcActionKinds[static_cast<std::size_t>(action.kind)];
            SetFixedText(entry.pcActionPath, action.path);
            SetFixedText(entry.caption, action.path);
          },
          [&](const auto&) { SetFixedText(entry.caption, GetFunctionName(code, chinese)); },
      },
      result.choice);
  return true;
}

void FunctionAssignment::NormaliseCaption(int slot) {
  if (slot < 0 || slot >= kButtonCount) {
    return;
  }
  auto& caption = record_.buttons[slot].caption;
  const std::string current = FixedText(caption);
  const std::string wanted = CaptionInLanguage(current, localisation_.chineseUi);
  if (wanted != current) {
    SetFixedText(caption, wanted);
  }
}

std::string CaptionInLanguage(std::string_view caption, bool chineseUi) {
  // The seven default functions, whose names a default profile stores in the
  // language active when it was built.
  for (const ButtonSlot& button : kButtonSlots) {
    const std::string_view chineseName = GetFunctionName(button.defaultCode, true);
    const std::string_view englishName = GetFunctionName(button.defaultCode, false);
    if (caption == chineseName || caption == englishName) {
      return std::string(chineseUi ? chineseName : englishName);
    }
  }
  return std::string(caption);
}

}  // namespace n63k
