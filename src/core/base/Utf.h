#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace n63k {

// Texts are UTF-8 in memory and UTF-16 inside the stored records. Invalid
// input never fails a conversion: it becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Appends one code point, as a surrogate pair above U+FFFF.
void AppendUtf16(char32_t codePoint, std::u16string& out);
std::string Utf16ToUtf8(std::u16string_view utf16);

// A fixed-size UTF-16 field of a stored record: the text up to its first zero,
// or the whole field when it has none.
template <std::size_t N>
std::string FixedText(const char16_t (&field)[N]) {
  std::size_t length = 0;
  while (length < N && field[length] != 0) {
    ++length;
  }
  return Utf16ToUtf8(std::u16string_view(field, length));
}

// Writes a text into a fixed-size field: cut to N - 1 code units (never
// splitting a surrogate pair), the rest of the field zero.
void SetFixedText(char16_t* field, std::size_t size, std::string_view utf8);

template <std::size_t N>
void SetFixedText(char16_t (&field)[N], std::string_view utf8) {
  SetFixedText(field, N, utf8);
}

}  // namespace n63k
