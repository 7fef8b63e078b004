#include "core/base/IniFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace n63k {
namespace {

// Profile files are small; a larger file is not one of ours and is not rewritten.
constexpr std::size_t kMaxIniBytes = 1u << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// The name inside the brackets of a section header line; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  return Trim(line.substr(1, close - 1));
}

// A key line is "name=value"; a line without "=" is a key without a value.
std::string_view KeyName(std::string_view line) {
  return Trim(line.substr(0, line.find('=')));
}

std::string_view KeyValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : Trim(line.substr(equals + 1));
}

// The text of an INI file cut into lines, and where a key lies in it.
class IniText {
 public:
  struct Line {
    std::size_t begin;  // first character
    std::size_t end;    // end of the text, before the line break
    std::size_t next;   // after the line break
  };

  explicit IniText(std::string_view text) : text_(text) {
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < text.size()) {
      const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
      std::size_t next = end;
      if (next < text.size()) {
        next += text.compare(next, 2, "\r\n") == 0 ? 2u : 1u;
      }
      lines_.push_back({pos, end, next});
      pos = next;
    }
  }

  std::string_view Text(std::size_t line) const {
    return text_.substr(lines_[line].begin, lines_[line].end - lines_[line].begin);
  }
  const Line& At(std::size_t line) const { return lines_[line]; }

  struct Place {
    std::optional<std::size_t> section;  // the header line of the first section of the name
    std::optional<std::size_t> key;      // the first line of the key in that section
    std::size_t lastLine = 0;            // the section's last line that is not blank
  };

  Place Find(std::string_view section, std::string_view key) const {
    Place place;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const std::optional<std::string_view> name = SectionName(Text(i));
      if (!place.section) {
        if (name && SameName(*name, section)) {
          place.section = i;
          place.lastLine = i;
        }
        continue;
      }
      if (name) {
        break;
      }
      if (Trim(Text(i)).empty()) {
        continue;
      }
      place.lastLine = i;
      if (SameName(KeyName(Text(i)), key)) {
        place.key = i;
        break;
      }
    }
    return place;
  }

 private:
  std::string_view text_;
  std::vector<Line> lines_;
};

std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

int ParseLeadingInt(std::string_view value) {
  std::size_t pos = 0;
  while (pos < value.size() && (value[pos] == ' ' || value[pos] == '\t')) {
    ++pos;
  }
  bool negative = false;
  if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) {
    negative = value[pos] == '-';
    ++pos;
  }
  long long number = 0;
  for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
    number = std::min(number * 10 + (value[pos] - '0'), static_cast<long long>(INT_MAX) + 1);
  }
  if (negative) {
    return static_cast<int>(-number);
  }
  return static_cast<int>(std::min(number, static_cast<long long>(INT_MAX)));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

int GetProfileInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  int defaultValue) {
  std::vector<std::uint8_t> bytes;
  if (ReadFileBytes(file, bytes, kMaxIniBytes) != FileError::kNone) {
    return defaultValue;
  }
  const IniText ini(AsText(bytes));
  const IniText::Place place = ini.Find(section, key);
  if (!place.key) {
    return defaultValue;
  }
  std::string_view value = KeyValue(ini.Text(*place.key));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.empty() ? defaultValue : ParseLeadingInt(value);
}

FileError WriteProfileString(const std::filesystem::path& file, std::string_view section,
                             std::string_view key, std::string_view value) {
  // A line break or separator inside a name or value would change the file's
  // structure instead of setting one value.
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
      section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) {
    return FileError::kOther;
  }
  std::vector<std::uint8_t> bytes;
  const FileError readError = ReadFileBytes(file, bytes, kMaxIniBytes + 1);
  if (readError != FileError::kNone && readError != FileError::kNotFound) {
    return readError;
  }
  if (bytes.size() > kMaxIniBytes) {
    return FileError::kOther;
  }
  const std::string_view old = AsText(bytes);
  const std::string_view newline = old.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  const IniText ini(old);
  const IniText::Place place = ini.Find(section, key);

  std::string text;
  if (place.key) {
    const IniText::Line& line = ini.At(*place.key);
    text.append(old.substr(0, line.begin));
    text.append(KeyName(ini.Text(*place.key))).append("=").append(value);
    text.append(old.substr(line.end));
  } else if (place.section) {
    const IniText::Line& line = ini.At(place.lastLine);
    text.append(old.substr(0, line.next));
    if (line.next == line.end) {
      text.append(newline);
    }
    text.append(key).append("=").append(value).append(newline);
    text.append(old.substr(line.next));
  } else {
    text.append(old);
    if (!old.empty() && old.back() != '\n' && old.back() != '\r') {
      text.append(newline);
    }
    text.append("[").append(section).append("]").append(newline);
    text.append(key).append("=").append(value).append(newline);
  }
  if (text == old) {
    return FileError::kNone;
  }
  return WriteFileAtomic(file, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace n63k
