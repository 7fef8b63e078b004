#include "cli/Format.h"

#include <cstdio>

namespace n63k::cli {

namespace {

// How a backslash, line feed, carriage return or tab is written; nullptr for
// any other character.
const char* ShortEscape(char c) {
  switch (c) {
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      return nullptr;
  }
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const char* escape = ShortEscape(c);
    if (escape != nullptr) {
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const char* escape = ShortEscape(c);
    if (escape != nullptr) {
      out += escape;
    } else if (c == '"') {
      out += "\\\"";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
      out += hex;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

}  // namespace n63k::cli
