#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace n63k::test {

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// UTF-16 code units in the given byte order, after an optional mark.
inline std::vector<std::uint8_t> Utf16Bytes(std::u16string_view text, bool bigEndian,
                                            bool withMark = true) {
  std::vector<std::uint8_t> bytes;
  const auto put = [&](char16_t unit) {
    const auto high = static_cast<std::uint8_t>(unit >> 8);
    const auto low = static_cast<std::uint8_t>(unit & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  };
  if (withMark) {
    put(u'\uFEFF');
  }
  for (const char16_t unit : text) {
    put(unit);
  }
  return bytes;
}

}  // namespace n63k::test
