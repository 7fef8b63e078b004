#include "cli/MacroTransfer.h"

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Format.h"
#include "cli/MacroText.h"
#include "core/base/FileAccess.h"
#include "core/base/Files.h"
#include "core/pages/MacroEditorRules.h"

namespace n63k::cli {
namespace {

// Far more than the longest macro the page can record takes as text.
constexpr std::size_t kMostTextBytes = 1 << 20;

}  // namespace

int ExportMacro(Context& context, std::uint32_t identifier, const std::filesystem::path& file) {
  if (!context.LoadData()) {
    return kExitFailure;
  }
  const MacroRecord* record = context.State().macroTable().FindMacro(identifier);
  if (record == nullptr || !HoldsMacro(*record)) {
    context.err << "n63kctl: no macro " << Hex32(identifier) << " in the macro table\n";
    return kExitFailure;
  }
  const std::string text = WriteMacroText(*record);
  if (text.empty()) {
    context.err << "n63kctl: macro " << Hex32(identifier)
                << " holds an event that is neither a key nor a delay; it has no text form\n";
    return kExitFailure;
  }
  const FileError error =
      WriteFileAtomic(file, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  if (error != FileError::kNone) {
    context.err << "n63kctl: cannot write " << Quoted(file.string()) << ": " << FileErrorText(error)
                << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

int ImportMacro(Context& context, const std::filesystem::path& file) {
  std::vector<std::uint8_t> bytes;
  bool longer = false;
  const FileError error = ReadFileBytes(file, bytes, kMostTextBytes, longer);
  if (error != FileError::kNone) {
    context.err << "n63kctl: cannot read " << Quoted(file.string()) << ": " << FileErrorText(error)
                << '\n';
    return kExitFailure;
  }
  if (longer) {
    context.err << "n63kctl: " << Quoted(file.string()) << " is longer than " << kMostTextBytes
                << " bytes; no macro text is\n";
    return kExitFailure;
  }
  const ParsedMacroText parsed =
      ParseMacroText({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  if (parsed.error.line != 0) {
    context.err << "n63kctl: " << file.string() << ':' << parsed.error.line << ": "
                << parsed.error.message << "; nothing stored\n";
    return kExitFailure;
  }
  if (!context.LoadData()) {
    return kExitFailure;
  }
  ProgramState& state = context.State();
  const MacroText& macro = parsed.macro;
  const std::uint32_t identifier =
      state.macroTable().NewUnusedMacroId(macro.group, context.clock());
  const std::string_view name =
      macro.name.empty() ? NewMacroName(state.localisation().chineseUi) : macro.name;
  const auto record = ComposeEditedMacro(macro.items, macro.loopText, identifier, name);
  if (!record) {
    context.err << "n63kctl: " << file.string() << ": no key event; nothing stored\n";
    return kExitFailure;
  }
  const Outcome outcome = state.macroStore().StoreMacro(*record);
  state.Tell(outcome);
  if (!outcome.ok()) {
    if (outcome.notices().empty()) {
      context.err << "n63kctl: the macro table is full; nothing stored\n";
    }
    return kExitFailure;
  }
  context.out << Hex32(identifier) << '\n';
  return kExitOk;
}

}  // namespace n63k::cli
