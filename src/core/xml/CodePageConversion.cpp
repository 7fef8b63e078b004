#include "core/xml/CodePageConversion.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <string_view>

#include "core/base/Utf.h"

namespace n63k {
namespace {

struct IconvCodePage {
  std::uint32_t codePage;
  const char* name;
};

// Code pages of the name table that glibc's iconv decodes, by its names
// (UTF-8 is decoded without it).
// x-ebcdic-koreanextended, x-ebcdic-thai, the Mac Japanese, Chinese, Korean,
// Arabic, Hebrew, Greek and Turkish pages, CNS, ETEN, IA5, Europa, HZ, ISCII
// and DOS-720 have no converter there.
constexpr std::array<IconvCodePage, 90> kIconvNames = {{
    {37, "IBM037"},
    {420, "IBM420"},
    {437, "IBM437"},
    {500, "IBM500"},
    {708, "ASMO-708"},
    {737, "CP737"},
    {775, "CP775"},
    {850, "IBM850"},
    {852, "IBM852"},
    {857, "IBM857"},
    {861, "IBM861"},
    {862, "IBM862"},
    {866, "IBM866"},
    {869, "IBM869"},
    {870, "IBM870"},
    {874, "CP874"},
    {875, "IBM875"},
    {932, "CP932"},
    {936, "CP936"},
    {949, "CP949"},
    {950, "CP950"},
    {1026, "IBM1026"},
    {1140, "IBM1140"},
    {1141, "IBM1141"},
    {1142, "IBM1142"},
    {1143, "IBM1143"},
    {1144, "IBM1144"},
    {1145, "IBM1145"},
    {1146, "IBM1146"},
    {1147, "IBM1147"},
    {1148, "IBM1148"},
    {1149, "IBM1149"},
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1255, "CP1255"},
    {1256, "CP1256"},
    {1257, "CP1257"},
    {1258, "CP1258"},
    {1361, "JOHAB"},
    {10000, "MACINTOSH"},
    {10007, "MAC-CYRILLIC"},
    {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},
    {20106, "ISO646-DE"},
    {20107, "ISO646-SE"},
    {20108, "ISO646-NO"},
    {20127, "ANSI_X3.4-1968"},
    {20273, "IBM273"},
    {20277, "IBM277"},
    {20278, "IBM278"},
    {20280, "IBM280"},
    {20284, "IBM284"},
    {20285, "IBM285"},
    {20290, "IBM290"},
    {20297, "IBM297"},
    {20423, "IBM423"},
    {20424, "IBM424"},
    {20866, "KOI8-R"},
    {20871, "IBM871"},
    {20880, "IBM880"},
    {20905, "IBM905"},
    {21025, "IBM1025"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28605, "ISO-8859-15"},
    {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"},
    {50222, "ISO-2022-JP"},
    {50225, "ISO-2022-KR"},
    {50930, "IBM930"},
    {50933, "IBM933"},
    {50935, "IBM935"},
    {50937, "IBM937"},
    {50939, "IBM939"},
    {51932, "EUC-JP"},
    {51936, "EUC-CN"},
    {51949, "EUC-KR"},
    {65000, "UTF-7"},
}};

constexpr const char* kUtf16Native =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::uint32_t kUtf8CodePage = 65001;

constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

class Converter {
 public:
  explicit Converter(const char* from) : cd_(iconv_open(kUtf16Native, from)) {}
  ~Converter() {
    if (Valid()) {
      iconv_close(cd_);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

  std::u16string Convert(std::span<const std::uint8_t> bytes) {
    // iconv takes a non-const input pointer but never writes through it.
    char* in = reinterpret_cast<char*>(const_cast<std::uint8_t*>(bytes.data()));
    std::size_t inLeft = bytes.size();
    out_.assign(bytes.size() + 16, u'\0');
    used_ = 0;
    while (inLeft > 0) {
      if (Step(&in, &inLeft) != kIconvFailed) {
        continue;
      }
      if (errno == E2BIG) {
        Grow();
      } else if (errno == EILSEQ) {
        Append(u'\uFFFD');
        ++in;
        --inLeft;
      } else {
        // A sequence cut short by the end of the bytes, or a failure of iconv itself.
        Append(u'\uFFFD');
        inLeft = 0;
      }
    }
    // Stateful encodings may still hold a character.
    while (Step(nullptr, nullptr) == kIconvFailed && errno == E2BIG) {
      Grow();
    }
    out_.resize(used_);
    return std::move(out_);
  }

 private:
  std::size_t Step(char** in, std::size_t* inLeft) {
    char* out = reinterpret_cast<char*>(out_.data() + used_);
    std::size_t outLeft = (out_.size() - used_) * sizeof(char16_t);
    const std::size_t result = iconv(cd_, in, inLeft, &out, &outLeft);
    used_ = out_.size() - outLeft / sizeof(char16_t);
    return result;
  }
  void Grow() { out_.resize(out_.size() * 2); }
  void Append(char16_t c) {
    if (used_ == out_.size()) {
      Grow();
    }
    out_[used_++] = c;
  }

  iconv_t cd_;
  std::u16string out_;
  std::size_t used_ = 0;
};

}  // namespace

const char* IconvNameOfCodePage(std::uint32_t codePage) {
  const auto it = std::find_if(kIconvNames.begin(), kIconvNames.end(),
                               [&](const IconvCodePage& c) { return c.codePage == codePage; });
  return it == kIconvNames.end() ? nullptr : it->name;
}

std::optional<std::u16string> ConvertFromCodePage(std::uint32_t codePage,
                                                  std::span<const std::uint8_t> bytes) {
  if (codePage == kUtf8CodePage) {
    // glibc decodes UTF-8 in two passes; the program's own decoder is faster.
    return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  const char* name = IconvNameOfCodePage(codePage);
  if (name == nullptr) {
    return std::nullopt;
  }
  Converter converter(name);
  if (!converter.Valid()) {
    return std::nullopt;
  }
  return converter.Convert(bytes);
}

}  // namespace n63k
