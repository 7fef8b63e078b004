#include <gtest/gtest.h>

#include <string>

#include "core/base/Utf.h"
#include "core/xml/XmlDocument.h"

namespace n63k {
namespace {

struct TextCase {
  const char* content;  // of <k> inside <r>
  const char* text;     // what GetChildText gives, in UTF-8
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.content;
}

class XmlElementTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(XmlElementTextTest, DecodesTheContent) {
  const TextCase& c = GetParam();
  XmlDocument doc;
  doc.SetText(u"<r><k>" + Utf8ToUtf16(c.content) + u"</k></r>");
  ASSERT_TRUE(doc.FindChildElement("k"));
  EXPECT_EQ(doc.GetChildTextUtf8(), c.text) << c.content;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, XmlElementTextTest,
    testing::Values(TextCase{" a &amp; b ", " a & b "}, TextCase{"", ""},
                    TextCase{" <![CDATA[<x>]]> ", "<x>"},
                    TextCase{"a <![CDATA[&amp;]]> b", "a &amp; b"},
                    TextCase{"&#x41;&#66;&bogus;", "AB&bogus;"},
                    TextCase{"&eacute;&Eacute;", "\u00E9\u00C9"},
                    TextCase{"&apos;&quot;&lt;&gt;&amp;", "'\"<>&"},
                    TextCase{"&nbsp;&yuml;&fnof;&Omega;&sigmaf;&thetasym;&loz;&diams;&euro;",
                             "\u00A0\u00FF\u0192\u03A9\u03C2\u03D1\u25CA\u2666\u20AC"},
                    TextCase{"&amp;amp;", "&amp;"}, TextCase{"&AMP;", "&AMP;"},
                    TextCase{"&#0;&#x0;", "&#0;&#x0;"}, TextCase{"&#x1F600;", "\U0001F600"},
                    TextCase{"&#x10FFFF;", "\U0010FFFF"}, TextCase{"&#x110000;", "&#x110000;"},
                    TextCase{"&#X4a;", "J"}, TextCase{"&#;&#x;&;", "&#;&#x;&;"},
                    TextCase{"&#12a;&#xg;", "&#12a;&#xg;"}, TextCase{"&#x41", "&#x41"},
                    TextCase{"&#x000041;", "A"}, TextCase{"&#x0000041;", "&#x0000041;"},
                    TextCase{"&thetasymx;", "&thetasymx;"}, TextCase{"&\xC3\xA9;", "&\xC3\xA9;"},
                    TextCase{"& amp;&", "& amp;&"}, TextCase{"x<!-- c -->y<?pi?>z", "xyz"},
                    TextCase{"  <!-- c -->  ", ""}, TextCase{" a <!-- c --> b ", " a  b "},
                    TextCase{"x</stray>y", "xy"}, TextCase{"x<!DOCTYPE d>y", "xy"}));

TEST(XmlElementTextTest, ChildElementsOrAnEmptyTagGiveNoText) {
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><k>t<c/>t</k><e/><n>&amp;</n></r>"));
  ASSERT_TRUE(doc.FindChildElement("k"));
  EXPECT_EQ(doc.GetChildText(), u"");
  ASSERT_TRUE(doc.FindChildElement("e"));
  EXPECT_EQ(doc.GetChildText(), u"");
  ASSERT_TRUE(doc.FindChildElement("n"));
  EXPECT_EQ(doc.GetChildText(), u"&");
}

TEST(XmlElementTextTest, NeverEndedElementsGiveNoText) {
  XmlDocument doc;
  EXPECT_FALSE(doc.SetText(u"<r><a><b>text</a></r>"));
  ASSERT_TRUE(doc.FindChildElement("a"));
  ASSERT_TRUE(doc.EnterElement());
  ASSERT_TRUE(doc.FindChildElement("b"));
  EXPECT_EQ(doc.GetChildText(), u"");
}

TEST(XmlElementTextTest, NoChildPositionGivesNoText) {
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r>t</r>"));
  EXPECT_EQ(doc.GetChildText(), u"");
  ASSERT_TRUE(doc.FindElement("r"));
  EXPECT_EQ(doc.GetChildText(), u"");
  EXPECT_EQ(doc.ElementText(1), u"t");
  EXPECT_EQ(doc.ElementText(2), u"");
}

TEST(XmlElementTextTest, LoneSurrogatesStayInTheTextAndBecomeReplacementsInUtf8) {
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><k>a\xD800z&#xDC00;</k></r>"));
  ASSERT_TRUE(doc.FindChildElement("k"));
  EXPECT_EQ(doc.GetChildText(), u"a\xD800z\xDC00");
  EXPECT_EQ(doc.GetChildTextUtf8(), "a\uFFFDz\uFFFD");
}

}  // namespace
}  // namespace n63k
