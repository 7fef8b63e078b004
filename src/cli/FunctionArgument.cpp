#include "cli/FunctionArgument.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

#include "cli/Format.h"
#include "cli/KeyArgument.h"
#include "core/base/Utf.h"
#include "core/buttons/DeviceWord.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/pages/ChooserChoices.h"

namespace n63k::cli {
namespace {

struct Modifier {
  std::string_view name;
  std::uint8_t bit;
};

constexpr std::array<Modifier, 4> kModifiers = {{
    {"ctrl", kModifierCtrl},
    {"shift", kModifierShift},
    {"alt", kModifierAlt},
    {"win", kModifierWin},
}};

struct PcActionPrefix {
  std::string_view prefix;
  PcActionKind kind;
};

constexpr std::array<PcActionPrefix, 4> kPcActionPrefixes = {{
    {"sound:", PcActionKind::kSound},
    {"program:", PcActionKind::kProgram},
    {"file:", PcActionKind::kFile},
    {"folder:", PcActionKind::kFolder},
}};

using Parsed = std::variant<ChooserResult, std::string>;

std::optional<std::int64_t> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

Parsed ParseCode(int slot, std::string_view text) {
  const std::optional<std::int64_t> code = ParseNumber(text);
  if (!code || *code < INT32_MIN || *code > INT32_MAX ||
      FindFunction(static_cast<std::int32_t>(*code)) == nullptr) {
    return "no catalogue function has the code " + std::string(text) +
           "; 'n63kctl functions' lists them";
  }
  return ChooseBasicFunction(slot, static_cast<std::int32_t>(*code));
}

Parsed ParseKeys(int slot, std::string_view text) {
  std::uint8_t modifiers = 0;
  std::string_view rest = text;
  // Modifiers first; what follows the last one is the key, whose name may
  // itself hold a plus sign.
  while (!rest.empty()) {
    const std::size_t plus = rest.find('+');
    const std::string_view head = rest.substr(0, plus);
    const auto* modifier = std::find_if(kModifiers.begin(), kModifiers.end(),
                                        [head](const Modifier& m) { return m.name == head; });
    if (modifier == kModifiers.end()) {
      break;
    }
    modifiers |= modifier->bit;
    rest = plus == std::string_view::npos ? std::string_view() : rest.substr(plus + 1);
  }
  std::uint32_t virtualKey = 0;
  if (!rest.empty()) {
    const std::optional<std::uint32_t> key = FindCombinationKey(rest);
    if (!key) {
      return "unknown key " + Quoted(rest) + "; 'n63kctl keys' lists the key names";
    }
    virtualKey = *key;
  }
  const std::optional<ChooserResult> result = ChooseKeyCombination(slot, modifiers, virtualKey);
  if (!result) {
    return "keys:" + std::string(text) +
           " gives no key combination: name a key, or a single modifier on its own";
  }
  return *result;
}

Parsed ParseMacro(int slot, std::string_view text, const MacroTable& macros) {
  std::uint32_t identifier = 0;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    const std::optional<std::int64_t> number = ParseNumber(text);
    if (number && *number > 0 && *number <= UINT32_MAX) {
      identifier = static_cast<std::uint32_t>(*number);
    }
  } else {
    for (const MacroRecord& record : macros.Slots()) {
      if (HoldsMacro(record) && FixedText(record.name) == text) {
        identifier = record.identifier;
        break;
      }
    }
  }
  const std::optional<ChooserResult> result = ChooseMacro(slot, identifier, macros);
  if (!result) {
    return "no macro " + Quoted(text) + "; 'n63kctl macros' lists them";
  }
  return *result;
}

Parsed ParsePcAction(int slot, PcActionKind kind, std::string_view path) {
  PcActionChoice choice = ChoosePcAction(slot, kind, path);
  switch (choice.problem) {
    case PcActionProblem::kEmptyPath:
      return std::string("the path is empty");
    case PcActionProblem::kPathTooLong:
      return "the path is longer than the profile keeps (" + std::to_string(kMaxPcActionPathUnits) +
             " UTF-16 units)";
    case PcActionProblem::kNone:
      break;
  }
  return choice.result;
}

}  // namespace

std::string FunctionCommandName(std::string_view englishName) {
  std::string name;
  bool gap = false;
  for (const char c : englishName) {
    const bool letterOrDigit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letterOrDigit) {
      gap = !name.empty();
      continue;
    }
    if (gap) {
      name += '-';
      gap = false;
    }
    name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return name;
}

std::variant<ChooserResult, std::string> ParseFunctionArgument(int slot, std::string_view text,
                                                               const MacroTable& macros) {
  if (text == "disable") {
    return ChooseDisabled(slot);
  }
  if (text == "default") {
    return ChooseDefaultFunction(slot);
  }
  if (text.starts_with("code:")) {
    return ParseCode(slot, text.substr(5));
  }
  if (text.starts_with("keys:")) {
    return ParseKeys(slot, text.substr(5));
  }
  if (text.starts_with("macro:")) {
    return ParseMacro(slot, text.substr(6), macros);
  }
  for (const PcActionPrefix& action : kPcActionPrefixes) {
    if (text.starts_with(action.prefix)) {
      return ParsePcAction(slot, action.kind, text.substr(action.prefix.size()));
    }
  }
  for (const ButtonFunction& function : FunctionCatalogue()) {
    if (FunctionCommandName(function.english) == text) {
      return ChooseBasicFunction(slot, function.code);
    }
  }
  return "unknown function " + Quoted(text) + "; 'n63kctl functions' lists the names";
}

}  // namespace n63k::cli
