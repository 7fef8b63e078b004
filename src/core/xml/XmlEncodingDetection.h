#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace n63k {

// The encoding that the beginning of a document names: the `encoding` of an
// XML declaration, or the charset of an HTML <meta http-equiv="Content-Type">
// inside <html> before </head>. Empty when it names none.
std::string DeclaredEncoding(std::u16string_view text);

// Whether bytes look like UTF-8: every byte of 0x80 or more opens a sequence
// whose length its bits give, continued by bytes of 0x80 or more. The scan
// stops at the first 0 byte.
bool PassesUtf8Check(std::span<const std::uint8_t> bytes);

}  // namespace n63k
