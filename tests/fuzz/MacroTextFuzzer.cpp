// Fuzz target: a macro as text, imported as `n63kctl macros --import` does:
// a text that is read becomes a record the macro table stores, which
// encodes for the mouse and exports to a text that imports as the same
// macro.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/MacroText.h"
#include "core/base/Utf.h"
#include "core/macro/GameGroups.h"
#include "core/macro/MacroEncoder.h"
#include "core/macro/MacroTable.h"
#include "core/pages/MacroEditorRules.h"
#include "fuzz/FuzzSupport.h"

using namespace n63k;
using fuzz::Check;

namespace {

// What the import stores for a text that was read.
MacroRecord Import(const cli::MacroText& macro) {
  const std::uint32_t identifier = static_cast<std::uint32_t>(macro.group) << 24 | 0x123456;
  const std::string_view name = macro.name.empty() ? NewMacroName(false) : macro.name;
  const std::optional<MacroRecord> record =
      ComposeEditedMacro(macro.items, macro.loopText, identifier, name);
  Check(record.has_value());
  return *record;
}

bool SameMacro(const MacroRecord& a, const MacroRecord& b) {
  return a.identifier == b.identifier && a.loopCount == b.loopCount &&
         std::ranges::equal(EventsOf(a), EventsOf(b)) && FixedText(a.name) == FixedText(b.name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const cli::ParsedMacroText parsed = cli::ParseMacroText(text);
  if (parsed.error.line != 0) {
    Check(parsed.error.line >= 1 && !parsed.error.message.empty());
    Check(static_cast<std::size_t>(parsed.error.line) <=
          static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1);
    return 0;
  }
  Check(parsed.macro.group >= kFirstGroup && parsed.macro.group <= kLastGroup);
  const MacroRecord record = Import(parsed.macro);

  static MacroTable table;
  table.Fill({});
  Check(table.PutMacro(record));
  const MacroRecord* stored = table.FindMacroToSend(record.identifier);
  Check(stored != nullptr && SameMacro(*stored, record));

  const MacroImage image = EncodeMacro(*stored);
  Check(image.wordCount >= 1 && image.wordCount <= kMacroImageWordLimit);

  const std::string exported = cli::WriteMacroText(*stored);
  Check(!exported.empty());
  const cli::ParsedMacroText again = cli::ParseMacroText(exported);
  Check(again.error.line == 0);
  Check(SameMacro(Import(again.macro), record));
  return 0;
}
