#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace n63k {

// A function of the catalogue's basic list, by its function code.
struct BasicFunction {
  std::int32_t code;
};

// A key combination, as the device word it is sent as.
struct KeyCombination {
  std::uint32_t deviceWord;
};

// A macro of the macro table, by its identifier.
struct MacroFunction {
  std::uint32_t identifier;
};

// What a PC action does; the values are the chooser's action index.
enum class PcActionKind : std::int32_t { kSound = 0, kProgram = 1, kFile = 2, kFolder = 3 };

// An action the computer carries out when the control is pressed.
struct PcAction {
  PcActionKind kind;
  std::uint32_t tag;  // the control's identity with the action's bits
  std::string path;
};

// The control does nothing.
struct DisabledFunction {};

using FunctionChoice =
    std::variant<BasicFunction, KeyCombination, MacroFunction, PcAction, DisabledFunction>;

// What the function chooser hands back to the button page: the slot it was
// opened for (0-6) and the function chosen.
struct ChooserResult {
  std::int32_t buttonIndex = 0;
  FunctionChoice choice = DisabledFunction{};
};

}  // namespace n63k
