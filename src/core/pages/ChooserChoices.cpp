#include "core/pages/ChooserChoices.h"

#include <array>
#include <bit>

#include "core/base/Utf.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/DeviceWord.h"
#include "core/buttons/KeyUsage.h"

namespace n63k {
namespace {

// The page's modifier boxes in the order that decides which one a lone
// modifier stands for, the last checked winning.
struct ModifierBox {
  std::uint8_t bit;
  std::uint8_t leftKeyUsage;
};

constexpr std::array<ModifierBox, 4> kModifierBoxes = {{
    {kModifierCtrl, 0xE0},
    {kModifierAlt, 0xE2},
    {kModifierShift, 0xE1},
    {kModifierWin, 0xE3},
}};

constexpr std::uint8_t kAllModifiers = kModifierCtrl | kModifierShift | kModifierAlt | kModifierWin;

}  // namespace

ChooserResult ChooseDefaultFunction(int slot) {
  return {slot, BasicFunction{kButtonSlots[static_cast<std::size_t>(slot)].defaultCode}};
}

ChooserResult ChooseDisabled(int slot) {
  return {slot, DisabledFunction{}};
}

ChooserResult ChooseBasicFunction(int slot, std::int32_t code) {
  return {slot, BasicFunction{code}};
}

std::optional<ChooserResult> ChooseKeyCombination(int slot, std::uint8_t modifiers,
                                                  std::uint32_t virtualKey) {
  const std::uint8_t m = modifiers & kAllModifiers;
  const std::uint32_t usage = virtualKey == 0 ? 0 : UsageFromKey(virtualKey);
  std::uint32_t word = 0;
  if (m != 0 && usage != 0) {
    word = usage << 16 | static_cast<std::uint32_t>(m) << 8;
  } else if (m != 0) {
    if (std::popcount(m) == 1) {
      for (const ModifierBox& box : kModifierBoxes) {
        if ((m & box.bit) != 0) {
          word = static_cast<std::uint32_t>(box.leftKeyUsage) << 16;
        }
      }
    }
  } else {
    word = usage << 16;
  }
  if (word == 0) {
    return std::nullopt;
  }
  return ChooserResult{slot, KeyCombination{word}};
}

std::optional<ChooserResult> ChooseMacro(int slot, std::uint32_t identifier,
                                         const MacroTable& macros) {
  const MacroRecord* macro = identifier == 0 ? nullptr : macros.FindMacro(identifier);
  if (macro == nullptr || !HoldsMacro(*macro)) {
    return std::nullopt;
  }
  return ChooserResult{slot, MacroFunction{identifier}};
}

std::uint32_t PcActionTag(int slot, PcActionKind kind) {
  return static_cast<std::uint32_t>(slot) * 0x10000u + 0x00C00006u +
         0x100000u * static_cast<std::uint32_t>(kind);
}

PcActionChoice ChoosePcAction(int slot, PcActionKind kind, std::string_view path) {
  if (path.empty()) {
    return {PcActionProblem::kEmptyPath, {}};
  }
  if (Utf8ToUtf16(path).size() > kMaxPcActionPathUnits) {
    return {PcActionProblem::kPathTooLong, {}};
  }
  return {PcActionProblem::kNone,
          ChooserResult{slot, PcAction{kind, PcActionTag(slot, kind), std::string(path)}}};
}

}  // namespace n63k
