#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/xml/XmlDocument.h"

namespace n63k {
namespace {

struct ParseCase {
  const char* name;
  std::u16string text;
  std::string diagnostic;  // empty: well-formed
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<ParseCase> ParseCases() {
  return {
      {"WellFormed",
       u"<?xml version=\"1.0\"?><!DOCTYPE r [<!ELEMENT r ANY>]><!-- c --><r a='>' b=\"/\">"
       u"<![CDATA[<]]><e/><e x='1'/><!ENTITY x><?pi ?></r>",
       ""},
      {"Empty", u"", "Empty document"},
      {"OnlyWhitespace", u" \r\n\t", "No root element"},
      {"OnlyComment", u"<!-- c -->", "No root element"},
      {"RootWithSibling", u"<a/><b/>", "Root element has sibling"},
      {"NoStartTag", u"<r></x></r>", "No start tag for end tag 'x' at offset 3"},
      {"Mismatch", u"<r><a><b></a></r>",
       "End tag 'a' at offset 10 does not match start tag 'b' at offset 6"},
      {"MismatchNamesTheInnermost", u"<r><a><b><c></a></r>",
       "End tag 'a' at offset 13 does not match start tag 'c' at offset 9"},
      {"NotEndedNamesTheInnermost", u"<r><a>", "Element 'a' at offset 3 not ended"},
      {"TagNameCharacter", u"<r>< x</r>", "Incorrect tag name character at offset 3"},
      {"DigitStartsNoTag", u"<r><1></r>", "Incorrect tag name character at offset 3"},
      {"BangTag", u"<r><!x></r>", "Incorrect ! tag at offset 3"},
      {"CommentTag", u"<r><!-x></r>", "Incorrect comment tag at offset 3"},
      {"BracketTag", u"<r><![x></r>", "Incorrect tag at offset 3"},
      {"OpenComment", u"<r><!-- x", "Comment at offset 3 unterminated"},
      {"OpenCData", u"<r><![CDATA[x", "CDATA Section at offset 3 unterminated"},
      {"OpenProcessingInstruction", u"<r><?pi x",
       "Processing instruction at offset 3 unterminated"},
      {"OpenDoctype", u"<!DOCTYPE r [<!ELEMENT r ANY>", "Doctype at offset 0 unterminated"},
      {"OpenEndTag", u"<r></r", "Element end tag at offset 3 unterminated"},
      {"OpenStartTag", u"<r><a x='>'", "Element tag at offset 3 unterminated"},
      {"LoneAngle", u"<r><", "tag at offset 3 unterminated"},
      {"OpenDeclaration", u"<r><!ELEMENT", "tag at offset 3 unterminated"},
      {"OnlyFirstErrorKept", u"<r></x></y>", "No start tag for end tag 'x' at offset 3"},
      {"MarkupErrorBeforeShape", u"<a></b></a><c/>", "No start tag for end tag 'b' at offset 3"},
  };
}

class XmlParseErrorTest : public testing::TestWithParam<ParseCase> {};

TEST_P(XmlParseErrorTest, ReportsTheFirstError) {
  const ParseCase& c = GetParam();
  XmlDocument doc;
  EXPECT_EQ(doc.SetText(c.text), c.diagnostic.empty());
  EXPECT_EQ(doc.IsWellFormed(), c.diagnostic.empty());
  EXPECT_EQ(doc.DiagnosticText(), c.diagnostic);
}

INSTANTIATE_TEST_SUITE_P(Documents, XmlParseErrorTest, testing::ValuesIn(ParseCases()),
                         [](const testing::TestParamInfo<ParseCase>& param) {
                           return param.param.name;
                         });

// The element records as one line each: name, start, length, start and end
// tag lengths, level, flags (E empty, F first child, N not ended, C contains
// one not ended), parent, first child, next and previous sibling.
std::vector<std::string> Records(const XmlDocument& doc) {
  std::vector<std::string> lines;
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    const XmlElementRecord& r = doc.Element(i);
    std::string flags;
    flags += (r.levelFlags & XmlElementFlag::kEmptyElement) ? "E" : "";
    flags += (r.levelFlags & XmlElementFlag::kFirstChild) ? "F" : "";
    flags += (r.levelFlags & XmlElementFlag::kNotEnded) ? "N" : "";
    flags += (r.levelFlags & XmlElementFlag::kContainsNotEnded) ? "C" : "";
    lines.push_back(Utf16ToUtf8(doc.ElementName(i)) + " " + std::to_string(r.start) + " " +
                    std::to_string(r.length) + " " + std::to_string(StartTagLength(r)) + "/" +
                    std::to_string(EndTagLength(r)) + " L" + std::to_string(Level(r)) + " " +
                    flags + " p" + std::to_string(r.parent) + " c" + std::to_string(r.firstChild) +
                    " n" + std::to_string(r.nextSibling) + " v" +
                    std::to_string(r.previousSibling));
  }
  return lines;
}

struct TreeCase {
  const char* name;
  std::u16string text;
  std::vector<std::string> records;
  bool documentFlagged;  // the markup-error flag of record 0
};

void PrintTo(const TreeCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<TreeCase> TreeCases() {
  return {
      {"WellFormed",
       u"<r><a x=\"1\">t</a><b/></r>",
       {"r 0 25 3/4 L0 F p0 c2 n0 v1", "a 3 14 9/4 L1 F p1 c0 n3 v3",
        "b 17 4 4/0 L1 E p1 c0 n0 v2"},
       false},
      {"EmptyElementForms",
       u"<r><a/><b /><c x='1'/><d x=1/></d></r>",
       {"r 0 38 3/4 L0 F p0 c2 n0 v1", "a 3 4 4/0 L1 EF p1 c0 n3 v5", "b 7 5 5/0 L1 E p1 c0 n4 v2",
        "c 12 10 10/0 L1 E p1 c0 n5 v3", "d 22 12 8/4 L1  p1 c0 n0 v4"},
       false},
      {"NeverEndedKeepsItsPlace",
       u"<r><a><b></a></r>",
       {"r 0 17 3/4 L0 F p0 c2 n0 v1", "a 3 10 3/4 L1 FC p1 c3 n0 v2",
        "b 6 3 3/0 L2 FN p2 c0 n0 v3"},
       true},
      {"ChildrenOfNeverEndedMoveUp",
       u"<r><a><b><c/></a></r>",
       {"r 0 21 3/4 L0 F p0 c2 n0 v1", "a 3 14 3/4 L1 FC p1 c3 n0 v2",
        "b 6 3 3/0 L2 FN p2 c0 n4 v4", "c 9 4 4/0 L2 E p2 c0 n0 v3"},
       true},
      {"SeveralNeverEndedFlatten",
       u"<r><a><b><c><d/></a></r>",
       {"r 0 24 3/4 L0 F p0 c2 n0 v1", "a 3 17 3/4 L1 FC p1 c3 n0 v2",
        "b 6 3 3/0 L2 FN p2 c0 n4 v5", "c 9 3 3/0 L2 N p2 c0 n5 v3", "d 12 4 4/0 L2 E p2 c0 n0 v4"},
       true},
      {"OpenAtTheEndGoTopLevel",
       u"<r><a><b/>",
       {"r 0 3 3/0 L0 FN p0 c0 n2 v3", "a 3 3 3/0 L0 N p0 c0 n3 v1", "b 6 4 4/0 L0 E p0 c0 n0 v2"},
       true},
      {"UnmatchedEndTagIgnored",
       u"<r><a></x></a></r>",
       {"r 0 18 3/4 L0 F p0 c2 n0 v1", "a 3 11 3/4 L1 F p1 c0 n0 v2"},
       true},
  };
}

class XmlTreeTest : public testing::TestWithParam<TreeCase> {};

TEST_P(XmlTreeTest, BuildsTheRecords) {
  const TreeCase& c = GetParam();
  XmlDocument doc;
  doc.SetText(c.text);
  EXPECT_EQ(Records(doc), c.records);
  EXPECT_EQ((doc.Element(0).levelFlags & XmlElementFlag::kMarkupError) != 0, c.documentFlagged);
}

INSTANTIATE_TEST_SUITE_P(Documents, XmlTreeTest, testing::ValuesIn(TreeCases()),
                         [](const testing::TestParamInfo<TreeCase>& param) {
                           return param.param.name;
                         });

TEST(XmlDocumentTest, ConstructionGivesAnEmptyDocument) {
  XmlDocument doc;
  EXPECT_EQ(doc.DiagnosticText(), "Empty document");
  EXPECT_EQ(doc.ElementCount(), 1u);
  EXPECT_FALSE(doc.FindElement());
  EXPECT_FALSE(doc.FindChildElement());
  EXPECT_EQ(doc.GetChildText(), u"");
}

TEST(XmlDocumentTest, RecordsSpanSeveralBlocks) {
  constexpr int kCount = 70000;
  std::u16string text = u"<r>";
  for (int i = 0; i < kCount; ++i) {
    text += u"<e/>";
  }
  text += u"<last>x</last></r>";
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(text));
  ASSERT_EQ(doc.ElementCount(), static_cast<std::uint32_t>(kCount + 3));
  const std::uint32_t last = doc.ElementCount() - 1;
  EXPECT_EQ(doc.Element(last).start, 3u + 4u * kCount);
  EXPECT_EQ(doc.Element(last).previousSibling, last - 1);
  EXPECT_EQ(doc.Element(doc.Element(1).firstChild).previousSibling, last);
  ASSERT_TRUE(doc.FindChildElement("last"));
  EXPECT_EQ(doc.ChildPosition(), last);
  EXPECT_EQ(doc.GetChildText(), u"x");
}

}  // namespace
}  // namespace n63k
