#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace n63k {

struct DecodedXml {
  std::u16string text;
  // How the bytes were read: encoding, lengths and conversions, as pieces
  // that each end in a space.
  std::string report;
};

// Decodes the bytes of an XML or HTML file to UTF-16: a byte-order mark, else
// a declared encoding, else UTF-8 for a file that starts with '<' or that
// passes the UTF-8 check, else the ANSI code page. Zero bytes (or zero units
// after a UTF-16 mark) are dropped.
DecodedXml DecodeXmlBytes(std::span<const std::uint8_t> bytes);

}  // namespace n63k
