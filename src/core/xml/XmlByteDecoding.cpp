#include "core/xml/XmlByteDecoding.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/Utf.h"
#include "core/xml/CodePageConversion.h"
#include "core/xml/CodePageNames.h"
#include "core/xml/XmlEncodingDetection.h"

namespace n63k {
namespace {

// How much of the file the declared encoding is looked for in.
constexpr std::size_t kHeadSize = 1024;

enum class Units { kBytes, kUtf16Little, kUtf16Big };

struct Mark {
  std::string_view bytes;
  std::string_view encoding;
  Units units;
};

constexpr Mark kMarks[] = {
    {"\xEF\xBB\xBF", "UTF-8", Units::kBytes},
    {"\xFF\xFE", "UTF-16LE", Units::kUtf16Little},
    {"\xFE\xFF", "UTF-16BE", Units::kUtf16Big},
};

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                    [](char p, std::uint8_t b) { return static_cast<std::uint8_t>(p) == b; });
}

std::string Count(std::string_view before, std::size_t n, std::string_view after) {
  return std::string(before) + std::to_string(n) + std::string(after);
}

// 16-bit units of either order, without the zero units (and a last odd byte).
void ReadUtf16(std::span<const std::uint8_t> bytes, bool bigEndian, DecodedXml& out) {
  const std::size_t units = bytes.size() / 2;
  out.text.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint8_t first = bytes[2 * i];
    const std::uint8_t second = bytes[2 * i + 1];
    const auto unit =
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    if (unit != 0) {
      out.text += unit;
    }
  }
  out.report += Count("length ", units, " ");
  if (out.text.size() < units) {
    out.report += Count("(", units - out.text.size(), " nulls removed) ");
  }
  if (bigEndian) {
    out.report += "endian swap ";
  }
}

// Bytes in the code page that `encoding` names, without the zero bytes. With
// no encoding the UTF-8 check picks between UTF-8 and ANSI.
void ReadBytes(std::span<const std::uint8_t> bytes, std::string& encoding, DecodedXml& out) {
  std::vector<std::uint8_t> withoutZeros;
  std::span<const std::uint8_t> kept = bytes;
  if (!bytes.empty() && std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {
    withoutZeros.reserve(bytes.size());
    std::copy_if(bytes.begin(), bytes.end(), std::back_inserter(withoutZeros),
                 [](std::uint8_t b) { return b != 0; });
    kept = withoutZeros;
  }
  const bool detect = encoding.empty();
  if (detect && PassesUtf8Check(kept)) {
    encoding = "UTF-8";
  }
  const std::uint32_t codePage = CodePageOfName(encoding).value_or(kAnsiCodePage);
  std::optional<std::u16string> text = ConvertFromCodePage(codePage, kept);
  if (!text) {
    text = ConvertFromCodePage(kAnsiCodePage, kept);
  }
  out.text = std::move(text).value_or(std::u16string());
  out.report += Count("length ", bytes.size(), " ");
  if (kept.size() < bytes.size()) {
    out.report += Count("(", bytes.size() - kept.size(), " nulls removed) ");
  }
  if (detect) {
    out.report += "(used UTF-8 detection) ";
  }
  out.report += Count("to ", out.text.size(), " wide chars ");
}

}  // namespace

DecodedXml DecodeXmlBytes(std::span<const std::uint8_t> bytes) {
  std::string encoding;
  bool marked = false;
  Units units = Units::kBytes;
  std::span<const std::uint8_t> rest = bytes;
  for (const Mark& mark : kMarks) {
    if (StartsWith(bytes, mark.bytes)) {
      encoding = mark.encoding;
      marked = true;
      units = mark.units;
      rest = bytes.subspan(mark.bytes.size());
      break;
    }
  }
  if (!marked) {
    const auto head = bytes.first(std::min(bytes.size(), kHeadSize));
    encoding = DeclaredEncoding(
        Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(head.data()), head.size())));
    if (encoding.empty() && !bytes.empty() && bytes[0] == '<') {
      encoding = "UTF-8";
    }
  }

  DecodedXml out;
  if (rest.empty()) {
    out.report = "0 length ";
  } else if (units == Units::kBytes) {
    ReadBytes(rest, encoding, out);
  } else {
    ReadUtf16(rest, units == Units::kUtf16Big, out);
  }
  // Neither known nor found by the UTF-8 check: the ANSI code page.
  const std::string name = encoding.empty() ? "ANSI" : encoding;
  out.report = name + (marked ? " BOM +" : "") + " " + out.report;
  return out;
}

}  // namespace n63k
