#include "core/base/Utf.h"

#include <algorithm>
#include <cstdint>

namespace n63k {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `pos`, rejecting overlong forms, surrogates
// and values past U+10FFFF; advances `pos` past what was consumed.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
  const std::uint8_t lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1Fu;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0Fu;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07u;
    minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  std::size_t i = pos + 1;
  for (int k = 0; k < extra; ++k, ++i) {
    if (i >= s.size() || (byte(i) & 0xC0) != 0x80) {
      pos = i;
      return kReplacement;
    }
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  pos = i;
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return kReplacement;
  }
  return value;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Writes one code point at `at`, as a surrogate pair above U+FFFF; returns
// the number of units written.
std::size_t PutUtf16(char32_t c, char16_t* at) {
  if (c >= 0x10000) {
    const char32_t v = c - 0x10000;
    at[0] = static_cast<char16_t>(0xD800 + (v >> 10));
    at[1] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
    return 2;
  }
  at[0] = static_cast<char16_t>(c);
  return 1;
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void AppendUtf16(char32_t c, std::u16string& out) {
  char16_t units[2];
  out.append(units, PutUtf16(c, units));
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  // Sized for the most units the bytes can give (one per byte) and cut to
  // what was written, so ASCII, the bulk of most texts, costs one store a byte.
  std::u16string out(utf8.size(), u'\0');
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if (static_cast<std::uint8_t>(utf8[pos]) < 0x80) {
      out[used++] = static_cast<char16_t>(utf8[pos++]);
    } else {
      used += PutUtf16(DecodeUtf8(utf8, pos), out.data() + used);
    }
  }
  out.resize(used);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t c = utf16[i];
    if (IsHighSurrogate(c) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
      const char32_t v = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                         (static_cast<char32_t>(utf16[i + 1]) - 0xDC00);
      AppendUtf8(out, v);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

void SetFixedText(char16_t* field, std::size_t size, std::string_view utf8) {
  std::fill(field, field + size, u'\0');
  if (size == 0) {
    return;
  }
  const std::u16string text = Utf8ToUtf16(utf8);
  std::size_t length = std::min(text.size(), size - 1);
  if (length > 0 && length < text.size() && IsHighSurrogate(text[length - 1])) {
    --length;
  }
  std::copy_n(text.begin(), length, field);
}

}  // namespace n63k
