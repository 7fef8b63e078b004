#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/buttons/ChooserResult.h"
#include "core/macro/MacroTable.h"

namespace n63k::cli {

// The command-line name of a catalogue function: its English name in lower
// case, each run of other characters one hyphen ("Play/Pause": play-pause).
std::string FunctionCommandName(std::string_view englishName);

// A FUNCTION argument of `set button` turned into the chooser result the
// function chooser would give for slot `slot`, or the text saying why it
// names none.
std::variant<ChooserResult, std::string> ParseFunctionArgument(int slot, std::string_view text,
                                                               const MacroTable& macros);

}  // namespace n63k::cli
