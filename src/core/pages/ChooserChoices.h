#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/buttons/ChooserResult.h"
#include "core/macro/MacroTable.h"

namespace n63k {

// What the function chooser hands back for each way of closing it with OK.
// Where the chooser would close as a cancel instead (nothing chosen), none.

// The default button: the slot's default function.
ChooserResult ChooseDefaultFunction(int slot);

// OK with the disable box checked.
ChooserResult ChooseDisabled(int slot);

// The basic page with the function of `code` selected.
ChooserResult ChooseBasicFunction(int slot, std::int32_t code);

// The key-combination page with the modifier boxes `modifiers` (kModifierCtrl
// ...) checked and `virtualKey` captured (0 for none). Without a key, a single
// modifier stands for its own left-hand key and more than one gives nothing.
std::optional<ChooserResult> ChooseKeyCombination(int slot, std::uint8_t modifiers,
                                                  std::uint32_t virtualKey);

// The macro page with the macro `identifier` of the table selected; none when
// the table holds no such macro, which the page could not list.
std::optional<ChooserResult> ChooseMacro(int slot, std::uint32_t identifier,
                                         const MacroTable& macros);

// The PC-action row's tag: the slot with the action's bits.
std::uint32_t PcActionTag(int slot, PcActionKind kind);

// Why a PC-action row gives no result.
enum class PcActionProblem { kNone, kEmptyPath, kPathTooLong };

inline constexpr std::size_t kMaxPcActionPathUnits = 259;  // UTF-16 code units

struct PcActionChoice {
  PcActionProblem problem = PcActionProblem::kNone;
  ChooserResult result;
};

// The advanced page with row `kind` selected and `path` in its field. An
// empty field gives nothing; a path longer than the record keeps is refused
// rather than cut, since a cut path names another file.
PcActionChoice ChoosePcAction(int slot, PcActionKind kind, std::string_view path);

}  // namespace n63k
