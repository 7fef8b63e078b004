#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/xml/XmlDocument.h"
#include "core/xml/XmlTestBytes.h"

namespace n63k {
namespace {

std::u16string Repeat(std::u16string_view piece, std::size_t times) {
  std::u16string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) {
    out += piece;
  }
  return out;
}

TEST(XmlRobustnessTest, NamesUpTo1020CharactersCloseTheirElement) {
  const std::u16string name = Repeat(u"n", 1020);
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><" + name + u">x</" + name + u"></r>"));
  ASSERT_TRUE(doc.FindChildElement(Utf16ToUtf8(name)));
  EXPECT_EQ(doc.GetChildText(), u"x");
  EXPECT_EQ(EndTagLength(doc.Element(doc.ChildPosition())), 1023u);
}

TEST(XmlRobustnessTest, LongerEndTagsCannotCloseAnything) {
  const std::u16string name = Repeat(u"n", 1021);
  for (const std::u16string& endTag : {u"</" + name + u">", u"</a" + Repeat(u" ", 1020) + u">"}) {
    const std::u16string open = endTag.size() > 1100 ? u"<a>" : u"<" + name + u">";
    const std::u16string text = u"<r>" + open + u"x" + endTag + u"</r>";
    XmlDocument doc;
    EXPECT_FALSE(doc.SetText(text));
    const std::size_t endTagOffset = 3 + open.size() + 1;
    EXPECT_TRUE(doc.DiagnosticText().starts_with("No start tag for end tag '"));
    EXPECT_TRUE(doc.DiagnosticText().ends_with("' at offset " + std::to_string(endTagOffset)));
    ASSERT_TRUE(doc.FindChildElement());
    const XmlElementRecord& element = doc.Element(doc.ChildPosition());
    EXPECT_NE(element.levelFlags & XmlElementFlag::kNotEnded, 0u);
    EXPECT_EQ(doc.GetChildText(), u"");
  }
}

TEST(XmlRobustnessTest, LongEmptyElementTagsAreKept) {
  const std::u16string name = Repeat(u"n", 5000);
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><" + name + u" a='1'/></r>"));
  ASSERT_TRUE(doc.FindChildElement(Utf16ToUtf8(name)));
  EXPECT_EQ(StartTagLength(doc.Element(doc.ChildPosition())), 5000u + 9u);
}

TEST(XmlRobustnessTest, AStartTagTooLongForItsRecordIsAnError) {
  XmlDocument doc;
  EXPECT_FALSE(doc.SetText(u"<r><a" + Repeat(u" ", kXmlMaxStartTagLength) + u">x</a></r>"));
  EXPECT_EQ(doc.DiagnosticText(), "Incorrect tag at offset 3");
  EXPECT_FALSE(doc.FindChildElement("a"));
}

TEST(XmlRobustnessTest, DeepNestingKeepsTheTreeAndCapsTheLevel) {
  constexpr std::size_t kDepth = 100000;
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(Repeat(u"<a>", kDepth) + u"x" + Repeat(u"</a>", kDepth)));
  const std::uint32_t deepest = doc.ElementCount() - 1;
  EXPECT_EQ(deepest, kDepth);
  EXPECT_EQ(Level(doc.Element(65535)), 65534u);
  EXPECT_EQ(Level(doc.Element(65536)), 65535u);
  EXPECT_EQ(Level(doc.Element(deepest)), 65535u);
  EXPECT_EQ(doc.Element(deepest).parent, deepest - 1);
  EXPECT_EQ(doc.ElementText(deepest), u"x");
}

TEST(XmlRobustnessTest, DeepNestingLeftOpenEndsFlat) {
  constexpr std::size_t kDepth = 100000;
  XmlDocument doc;
  EXPECT_FALSE(doc.SetText(Repeat(u"<a>", kDepth)));
  EXPECT_EQ(doc.DiagnosticText(),
            "Element 'a' at offset " + std::to_string(3 * (kDepth - 1)) + " not ended");
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    ASSERT_EQ(doc.Element(i).parent, 0u);
    ASSERT_EQ(doc.Element(i).nextSibling, i + 1 < doc.ElementCount() ? i + 1 : 0);
  }
}

TEST(XmlRobustnessTest, RepeatedMismatchesKeepEveryElement) {
  // <b><c> pairs left open by </b> tags: each </b> closes the c inside it as
  // never ended, and the c's content moves up beside it.
  constexpr std::size_t kPairs = 2000;
  XmlDocument doc;
  EXPECT_FALSE(
      doc.SetText(Repeat(u"<b><c>", kPairs) + Repeat(u"<x/>", kPairs) + Repeat(u"</b>", kPairs)));
  EXPECT_EQ(doc.ElementCount(), 1 + 3 * kPairs);
  std::size_t neverEnded = 0;
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    const XmlElementRecord& r = doc.Element(i);
    neverEnded += (r.levelFlags & XmlElementFlag::kNotEnded) != 0 ? 1 : 0;
    if (r.parent != 0) {
      ASSERT_EQ(doc.Element(r.parent).levelFlags & XmlElementFlag::kNotEnded, 0u);
    }
  }
  EXPECT_EQ(neverEnded, kPairs);
}

struct BadBytesCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  std::string diagnostic;
};

void PrintTo(const BadBytesCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<BadBytesCase> BadBytesCases() {
  using namespace std::string_literals;
  using test::Bytes;
  return {
      {"OnlyZeroBytes", Bytes("\0\0\0"s),
       "UTF-8 length 3 (3 nulls removed) (used UTF-8 detection) to 0 wide chars  Empty document"},
      {"InvalidLeadByte", Bytes(" <r>\xF8\x80\x80\x80</r>"),
       "ANSI length 12 (used UTF-8 detection) to 12 wide chars "},
      {"CutUtf8AtTheEnd", Bytes("<r>\xE2\x82"),
       "UTF-8 length 5 to 4 wide chars  Element 'r' at offset 0 not ended"},
      {"LoneSurrogateInAName", test::Utf16Bytes(u"<a\xD800>", false),
       "UTF-16LE BOM + length 4  Element 'a\uFFFD' at offset 0 not ended"},
      {"Utf16OfOneByte", Bytes("\xFF\xFE<"), "UTF-16LE BOM + length 0  Empty document"},
      {"OnlyAMarkAndZeroUnits", Bytes("\xFE\xFF\0\0"s),
       "UTF-16BE BOM + length 1 (1 nulls removed) endian swap  Empty document"},
      {"UnterminatedEverything", Bytes("<r><!--<![CDATA[<?"),
       "UTF-8 length 18 to 18 wide chars  Comment at offset 3 unterminated"},
      {"DeclarationCutShort", Bytes("<?xml version=\"1.0\" encoding=\"windows-12"),
       "UTF-8 length 40 to 40 wide chars  Processing instruction at offset 0 unterminated"},
  };
}

class XmlBadBytesTest : public testing::TestWithParam<BadBytesCase> {};

TEST_P(XmlBadBytesTest, GivesAResult) {
  const BadBytesCase& c = GetParam();
  XmlDocument doc;
  // Only a parse without error ends the text with the reading pieces' space.
  EXPECT_EQ(doc.LoadFile(c.bytes), c.diagnostic.ends_with(" "));
  EXPECT_EQ(doc.DiagnosticText(), c.diagnostic);
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    doc.ElementText(i);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, XmlBadBytesTest, testing::ValuesIn(BadBytesCases()),
                         [](const testing::TestParamInfo<BadBytesCase>& param) {
                           return param.param.name;
                         });

}  // namespace
}  // namespace n63k
