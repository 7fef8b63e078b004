#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/Utf.h"
#include "core/xml/CodePageConversion.h"
#include "core/xml/CodePageNames.h"
#include "core/xml/XmlTestBytes.h"

namespace n63k {
namespace {

struct NameCase {
  const char* name;
  std::optional<std::uint32_t> codePage;
};

class CodePageNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(CodePageNameTest, LooksUpTheName) {
  EXPECT_EQ(CodePageOfName(GetParam().name), GetParam().codePage) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CodePageNameTest,
    testing::Values(NameCase{"utf-8", 65001}, NameCase{"UTF-8", 65001},
                    NameCase{"Windows-1251", 1251}, NameCase{"gb2312", 936}, NameCase{"GBK", 936},
                    NameCase{"big5", 950}, NameCase{"shift_jis", 932}, NameCase{"ebcdic-cp-us", 37},
                    NameCase{"437", 437}, NameCase{"iso_646.irv:1991", 20127},
                    NameCase{"csiso", 28593}, NameCase{"_iso-2022-jp$sio", 50222},
                    NameCase{"x-iscii-de", 57002}, NameCase{"x-iscii-pa", 57011},
                    NameCase{"koi8-ru", 21866},
                    NameCase{"extended_unix_code_packed_format_for_japanese", 51932},
                    NameCase{"x-unicode-2-0-utf-8", 65001}, NameCase{"x-ansi", 1252},
                    // Names that point at the EBCDIC page they stand for.
                    NameCase{"cp500", 500}, NameCase{"ibm775", 775},
                    NameCase{"x-ebcdic-germany-euro", 1141}, NameCase{"x-ebcdic-france", 20297},
                    NameCase{"x-ebcdic-icelandic", 20871}, NameCase{"utf-32", std::nullopt},
                    NameCase{"utf8", std::nullopt}, NameCase{"", std::nullopt},
                    NameCase{" utf-8", std::nullopt}, NameCase{"UTF-8\xC3\xA9", std::nullopt}));

TEST(CodePageNameTest, LongNamesAreNotLookedUp) {
  const std::string padded = "utf-8" + std::string(94, ' ');
  EXPECT_EQ(CodePageOfName(padded), std::nullopt);
  EXPECT_EQ(CodePageOfName(padded + " "), std::nullopt);
}

TEST(CodePageConversionTest, EveryConverterNamedExists) {
  for (std::uint32_t codePage = 0; codePage < 66000; ++codePage) {
    const char* name = IconvNameOfCodePage(codePage);
    if (name == nullptr) {
      continue;
    }
    const iconv_t cd = iconv_open("UTF-16LE", name);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)))
        << codePage << " " << name;
    if (cd != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
      iconv_close(cd);
    }
  }
}

struct ConversionCase {
  std::uint32_t codePage;
  const char* bytes;
  const char* utf8;  // the expected text; nullptr: no converter
};

class CodePageConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(CodePageConversionTest, Decodes) {
  const ConversionCase& c = GetParam();
  const std::optional<std::u16string> text = ConvertFromCodePage(c.codePage, test::Bytes(c.bytes));
  if (c.utf8 == nullptr) {
    EXPECT_FALSE(text.has_value()) << c.codePage;
    return;
  }
  ASSERT_TRUE(text.has_value()) << c.codePage;
  EXPECT_EQ(Utf16ToUtf8(*text), c.utf8) << c.codePage;
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, CodePageConversionTest,
    testing::Values(ConversionCase{1252, "a\x80\xE9", "a\u20AC\u00E9"},
                    ConversionCase{1252, "a\x81z", "a\uFFFDz"},
                    ConversionCase{1251, "\xC0\xE1", "\u0410\u0431"},
                    ConversionCase{936, "\xD6\xD0\xCE\xC4", "\u4E2D\u6587"},
                    ConversionCase{936, "\xD6", "\uFFFD"},
                    ConversionCase{932, "\x82\xA0", "\u3042"},
                    ConversionCase{20866, "\xC1", "\u0430"}, ConversionCase{37, "\xC1", "A"},
                    ConversionCase{50220, "\x1B$B$\"\x1B(B", "\u3042"},
                    ConversionCase{65001, "\xE2\x82\xAC", "\u20AC"},
                    ConversionCase{65001, "a\xC3", "a\uFFFD"},
                    ConversionCase{65001, "a\xF0\x9F\x98", "a\uFFFD"},
                    ConversionCase{65001, "\xC0\x80z", "\uFFFDz"},
                    ConversionCase{65001, "\xED\xA0\x80", "\uFFFD"},
                    ConversionCase{65001, "\xF4\x90\x80\x80", "\uFFFD"},
                    ConversionCase{65001, "\x80\xFFz", "\uFFFD\uFFFDz"},
                    ConversionCase{65001, "\xC3z", "\uFFFDz"},
                    ConversionCase{65001, "\xF0\x9F\x98\x80", "\U0001F600"},
                    ConversionCase{65000, "+AKM-", "\u00A3"}, ConversionCase{1252, "", ""},
                    ConversionCase{1200, "a", nullptr}, ConversionCase{57002, "a", nullptr},
                    ConversionCase{0, "a", nullptr}));

}  // namespace
}  // namespace n63k
