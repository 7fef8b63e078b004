#include "cli/MacroText.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cli/Format.h"
#include "core/base/Hex.h"
#include "core/base/Utf.h"
#include "core/buttons/KeyNames.h"
#include "core/macro/GameGroups.h"
#include "core/pages/MacroEditorRules.h"

namespace n63k::cli {
namespace {

constexpr std::uint32_t kMostDelayMs = 0xFFFFFF;
constexpr std::uint32_t kMostKeyValue = 0xFFFFFF;

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number of at most `most`; none for anything else.
std::optional<std::uint32_t> Decimal(std::string_view text, std::uint32_t most) {
  if (!AllDigits(text)) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (const char c : text) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > most) {
      return std::nullopt;
    }
  }
  return static_cast<std::uint32_t>(value);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// A key by the name the macro page shows (exact, else in any case), or by its
// code as 0x and hexadecimal digits.
std::optional<std::uint32_t> KeyValue(std::string_view text) {
  for (const KeyName& key : MacroKeyNames()) {
    if (key.name == text) {
      return key.code;
    }
  }
  for (const KeyName& key : MacroKeyNames()) {
    if (SameIgnoringCase(key.name, text)) {
      return key.code;
    }
  }
  if (text.size() > 2 && text.size() <= 10 && text[0] == '0' &&
      (text[1] == 'x' || text[1] == 'X')) {
    std::uint64_t value = 0;
    for (const char c : text.substr(2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) {
        return std::nullopt;
      }
      value = value * 16 + static_cast<std::uint64_t>(
                               std::isdigit(static_cast<unsigned char>(c))
                                   ? c - '0'
                                   : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    if (value >= 1 && value <= kMostKeyValue) {
      return static_cast<std::uint32_t>(value);
    }
  }
  return std::nullopt;
}

std::string KeyText(std::uint32_t value) {
  const std::string_view name = value <= 0xFF ? GetMacroKeyName(value) : std::string_view{};
  return name.empty() ? Hex32(value) : std::string(name);
}

// The name as OneLine wrote it; none for a backslash before anything else.
std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) {
      return std::nullopt;
    }
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// Reads the lines in order; each step answers the error of its line, if any.
class Reader {
 public:
  ParsedMacroText Read(std::string_view text) {
    int line = 0;
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view content = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      ++line;
      if (!content.empty() && content.back() == '\r') {
        content.remove_suffix(1);
      }
      if (content.empty() || content.front() == '#') {
        continue;
      }
      std::string message = ReadLine(content);
      if (!message.empty()) {
        return {{}, {line, std::move(message)}};
      }
    }
    const int last = std::max(line, 1);
    if (expected_ != kEvents) {
      return {{}, {last, "the text ends before its " + std::string(kHeader[expected_]) + " line"}};
    }
    if (keys_ == 0) {
      return {{}, {last, "no key event: an empty macro is not stored"}};
    }
    return {std::move(macro_), {}};
  }

 private:
  enum Expected { kName, kGroup, kLoop, kEvents };
  static constexpr std::string_view kHeader[] = {"name", "group", "loop"};

  std::string ReadLine(std::string_view content) {
    const std::size_t space = content.find(' ');
    const std::string_view keyword = content.substr(0, space);
    const std::string_view value =
        space == std::string_view::npos ? std::string_view{} : content.substr(space + 1);
    if (expected_ != kEvents) {
      if (keyword != kHeader[expected_]) {
        return "expected the " + std::string(kHeader[expected_]) + " line, not " + Quoted(content);
      }
      return ReadHeader(value);
    }
    if (keyword == "down" || keyword == "up") {
      return ReadKey(keyword == "down" ? EditorItemType::kKeyDown : EditorItemType::kKeyUp, value);
    }
    if (keyword == "delay") {
      return ReadDelay(value);
    }
    return "expected down KEY, up KEY or delay MS, not " + Quoted(content);
  }

  std::string ReadHeader(std::string_view value) {
    switch (expected_) {
      case kName: {
        // A stored name ends at its first zero: what followed would be lost.
        if (value.find('\0') != std::string_view::npos) {
          return "the name must not hold a zero byte";
        }
        const std::optional<std::string> name = Unescaped(value);
        if (!name) {
          return "a backslash in the name must come before \\, n, r or t";
        }
        if (Utf8ToUtf16(*name).size() > kMostNameCharacters) {
          return "the name is longer than " + std::to_string(kMostNameCharacters) + " characters";
        }
        macro_.name = *name;
        break;
      }
      case kGroup: {
        const std::optional<std::uint32_t> group = Decimal(value, kLastGroup);
        if (!group || *group < kFirstGroup) {
          return "the group must be a number from " + std::to_string(kFirstGroup) + " to " +
                 std::to_string(kLastGroup);
        }
        macro_.group = static_cast<int>(*group);
        break;
      }
      case kLoop:
        if (!AllDigits(value)) {
          return "the loop count must be a decimal number";
        }
        macro_.loopText = value;
        break;
      case kEvents:
        break;
    }
    expected_ = static_cast<Expected>(expected_ + 1);
    return {};
  }

  std::string ReadKey(EditorItemType type, std::string_view value) {
    const std::optional<std::uint32_t> key = KeyValue(value);
    if (!key) {
      return "no key " + Quoted(value) +
             ": a key is named as the macro page names it, or 0x and its code";
    }
    if (++keys_ > kMostRecordedKeys) {
      return "more than " + std::to_string(kMostRecordedKeys) + " key events";
    }
    previousWasDelay_ = false;
    return Append(MakeEditorItem(type, *key));
  }

  std::string ReadDelay(std::string_view value) {
    const std::optional<std::uint32_t> delay = Decimal(value, kMostDelayMs);
    if (!delay) {
      return "the delay must be a number of milliseconds from 0 to " + std::to_string(kMostDelayMs);
    }
    // Only delays after the first key are stored, and a delay after a delay
    // is merged into it, so neither takes a place of its own.
    const bool placeOfItsOwn = keys_ > 0 && !previousWasDelay_;
    previousWasDelay_ = true;
    const std::uint32_t item = MakeEditorItem(EditorItemType::kDelay, *delay);
    if (!placeOfItsOwn) {
      macro_.items.push_back(item);
      return {};
    }
    return Append(item);
  }

  std::string Append(std::uint32_t item) {
    if (++storedEvents_ > kMacroEventCapacity) {
      return "more than " + std::to_string(kMacroEventCapacity) +
             " events once adjacent delays are merged";
    }
    macro_.items.push_back(item);
    return {};
  }

  MacroText macro_;
  Expected expected_ = kName;
  std::size_t keys_ = 0;
  std::size_t storedEvents_ = 0;
  bool previousWasDelay_ = false;
};

}  // namespace

ParsedMacroText ParseMacroText(std::string_view text) {
  return Reader().Read(text);
}

std::string WriteMacroText(const MacroRecord& record) {
  const std::uint32_t loop = record.loopCount == kSingleKeyLoop ? 1 : record.loopCount;
  std::string text = "name " + OneLine(FixedText(record.name)) + "\ngroup " +
                     std::to_string(MacroGroup(record.identifier)) + "\nloop " +
                     std::to_string(loop) + '\n';
  for (const MacroEvent event : EventsOf(record)) {
    const std::uint32_t value = EventValue(event);
    switch (EventKind(event)) {
      case static_cast<std::uint8_t>(MacroEventKind::kKeyDown):
        text += "down " + KeyText(value) + '\n';
        break;
      case static_cast<std::uint8_t>(MacroEventKind::kKeyUp):
        text += "up " + KeyText(value) + '\n';
        break;
      case static_cast<std::uint8_t>(MacroEventKind::kDelay):
        text += "delay " + std::to_string(value) + '\n';
        break;
      default:
        return {};
    }
  }
  return text;
}

}  // namespace n63k::cli
