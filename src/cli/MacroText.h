#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/macro/MacroRecord.h"

namespace n63k::cli {

// The text form of one macro that `macros --export` writes and `--import`
// reads (README, "Macros as text").
struct MacroText {
  std::string name;
  int group = 0;
  std::string loopText;              // decimal digits, as the loop field holds them
  std::vector<std::uint32_t> items;  // in the macro page's item form, before merging
};

// Why a text was refused: its line, from 1, and what is wrong there.
struct MacroTextError {
  int line = 0;
  std::string message;
};

struct ParsedMacroText {
  MacroText macro;
  MacroTextError error;  // line 0: none
};

// Reads the text, refusing what the macro page could not have recorded: more
// keys than one recording takes, or more events than a record holds once
// delays are merged.
ParsedMacroText ParseMacroText(std::string_view text);

// The text of a stored macro; empty when the macro holds an event of neither
// kind the text has, since it could not come back the same.
std::string WriteMacroText(const MacroRecord& record);

}  // namespace n63k::cli
