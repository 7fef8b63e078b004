#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace n63k {

// The code page of "ANSI" text: Linux has no system ANSI code page, and the
// documents this reader meets come from Western Windows systems.
inline constexpr std::uint32_t kAnsiCodePage = 1252;

// The iconv name of a Windows code page that is decoded with iconv, or nullptr
// when iconv has none for it. UTF-8 is decoded without iconv. The 16-bit code
// pages (1200, 1201) have none: a byte stream cannot hold them.
const char* IconvNameOfCodePage(std::uint32_t codePage);

// Decodes bytes in a Windows code page to UTF-16. A byte sequence that the
// code page does not define becomes U+FFFD. None when there is no converter.
std::optional<std::u16string> ConvertFromCodePage(std::uint32_t codePage,
                                                  std::span<const std::uint8_t> bytes);

}  // namespace n63k
