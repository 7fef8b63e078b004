#include <gtest/gtest.h>

#include "core/base/Utf.h"

namespace n63k {
namespace {

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

TEST(Utf, ConvertsBetweenUtf8AndUtf16) {
  const Utf8Case cases[] = {
      {"ascii", "Click", u"Click"},
      {"two and three bytes", "é单击", u"é单击"},
      {"four bytes", "\xF0\x9F\x96\xB1", u"\U0001F5B1"},
      {"empty", "", u""},
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.name;
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.name;
  }
}

TEST(Utf, ReplacesWhatIsNotValid) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");      // overlong '/'
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), u"\uFFFD");      // cut short
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
}

TEST(Utf, FixedFieldsAreCutAndZeroFilled) {
  char16_t field[5];
  std::fill(std::begin(field), std::end(field), u'x');
  SetFixedText(field, "abcdefg");
  EXPECT_EQ(std::u16string(field, 5), std::u16string(u"abcd\0", 5));
  EXPECT_EQ(FixedText(field), "abcd");

  SetFixedText(field, "ab");
  EXPECT_EQ(std::u16string(field, 5), std::u16string(u"ab\0\0\0", 5));

  // A pair that does not fit whole is dropped rather than split.
  SetFixedText(field, "abc\xF0\x9F\x96\xB1");
  EXPECT_EQ(std::u16string(field, 5), std::u16string(u"abc\0\0", 5));
}

TEST(Utf, FieldWithoutTerminatorReadsWhole) {
  const char16_t field[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(FixedText(field), "abc");
}

}  // namespace
}  // namespace n63k
