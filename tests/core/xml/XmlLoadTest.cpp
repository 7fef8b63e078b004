#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/xml/XmlDocument.h"
#include "core/xml/XmlTestBytes.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::Bytes;
using test::Utf16Bytes;

struct LoadCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  bool loaded;
  std::string diagnostic;
  const char* child;  // a child of the root element to read
  std::string childText;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<LoadCase> LoadCases() {
  using namespace std::string_literals;
  const std::string html =
      "<html><head><meta http-equiv=\"Content-Type\" "
      "content=\"text/html; charset=windows-1251\"/></head><body>\xC0</body></html>";
  std::vector<std::uint8_t> oddUtf16 = Utf16Bytes(u"<a><b>x</b></a>", false);
  oddUtf16.push_back('z');
  return {
      {"MarkOnly", Bytes("\xEF\xBB\xBF"), false, "UTF-8 BOM + 0 length  Empty document", "k", ""},
      {"NoBytes", {}, false, "ANSI 0 length  Empty document", "k", ""},
      {"Utf8WithMark", Bytes("\xEF\xBB\xBF<r><k>\xC3\xA9</k></r>"), true,
       "UTF-8 BOM + length 16 to 15 wide chars ", "k", "\u00E9"},
      {"Utf8StartingWithTag", Bytes("<r><k>\xC3\xA9</k></r>"), true,
       "UTF-8 length 16 to 15 wide chars ", "k", "\u00E9"},
      {"Utf8FoundByCheck", Bytes(" <r><k>\xC3\xA9</k></r>"), true,
       "UTF-8 length 17 (used UTF-8 detection) to 16 wide chars ", "k", "\u00E9"},
      {"AnsiWhenCheckFails", Bytes(" <r><k>\xE9t</k></r>"), true,
       "ANSI length 17 (used UTF-8 detection) to 17 wide chars ", "k", "\u00E9t"},
      {"ZeroBytesDropped", Bytes("<r><k>a\0b</k></r>"s), true,
       "UTF-8 length 17 (1 nulls removed) to 16 wide chars ", "k", "ab"},
      {"BrokenUtf8AfterTag", Bytes("<r><k>\xFF</k></r>"), true, "UTF-8 length 15 to 15 wide chars ",
       "k", "\uFFFD"},
      {"DeclaredWindows1251",
       Bytes("<?xml version=\"1.0\" encoding=\"windows-1251\"?><r><k>\xC0\xE1</k></r>"), true,
       "windows-1251 length 61 to 61 wide chars ", "k", "\u0410\u0431"},
      {"DeclaredUpperCase",
       Bytes("<?xml version=\"1.0\" encoding=\"WINDOWS-1251\"?><r><k>\xC0\xE1</k></r>"), true,
       "WINDOWS-1251 length 61 to 61 wide chars ", "k", "\u0410\u0431"},
      {"DeclaredGb2312",
       Bytes("<?xml version=\"1.0\" encoding=\"gb2312\"?><r><k>\xD6\xD0\xCE\xC4</k></r>"), true,
       "gb2312 length 57 to 55 wide chars ", "k", "\u4E2D\u6587"},
      {"HtmlMetaCharset", Bytes(html), true, "windows-1251 length 115 to 115 wide chars ", "body",
       "\u0410"},
      {"DeclarationWithoutEncoding", Bytes("<?xml version=\"1.0\"?><r><k>\xC3\xA9</k></r>"), true,
       "UTF-8 length 37 to 36 wide chars ", "k", "\u00E9"},
      {"DeclarationAfterTagIgnored",
       Bytes("<r><k><?xml encoding=\"windows-1251\"?>\xC3\xA9</k></r>"), true,
       "UTF-8 length 47 to 46 wide chars ", "k", "\u00E9"},
      {"UnknownNameIsAnsi", Bytes("<?xml version=\"1.0\" encoding=\"bogus\"?><r><k>\xE9</k></r>"),
       true, "bogus length 53 to 53 wide chars ", "k", "\u00E9"},
      {"NoConverterIsAnsi",
       Bytes("<?xml version=\"1.0\" encoding=\"x-mac-japanese\"?><r><k>\xE9</k></r>"), true,
       "x-mac-japanese length 62 to 62 wide chars ", "k", "\u00E9"},
      {"SixteenBitNameOverBytesIsAnsi",
       Bytes("<?xml version=\"1.0\" encoding=\"utf-16\"?><r><k>\xE9</k></r>"), true,
       "utf-16 length 54 to 54 wide chars ", "k", "\u00E9"},
      {"Utf16Little", Utf16Bytes(u"<a><b>x</b></a>", false), true, "UTF-16LE BOM + length 15 ", "b",
       "x"},
      {"Utf16Big", Utf16Bytes(u"<a><b>x</b></a>", true), true,
       "UTF-16BE BOM + length 15 endian swap ", "b", "x"},
      {"Utf16ZeroUnitsDropped", Utf16Bytes(std::u16string_view(u"<a><b>x\0y</b></a>", 17), true),
       true, "UTF-16BE BOM + length 17 (1 nulls removed) endian swap ", "b", "xy"},
      {"Utf16OddByteDropped", oddUtf16, true, "UTF-16LE BOM + length 15 ", "b", "x"},
      {"Utf16MarkOnly", Bytes("\xFF\xFE"), false, "UTF-16LE BOM + 0 length  Empty document", "b",
       ""},
  };
}

class XmlLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(XmlLoadTest, DecodesAndReports) {
  const LoadCase& c = GetParam();
  XmlDocument doc;
  EXPECT_EQ(doc.LoadFile(c.bytes), c.loaded);
  EXPECT_EQ(doc.DiagnosticText(), c.diagnostic);
  doc.FindChildElement(c.child);
  EXPECT_EQ(doc.GetChildTextUtf8(), c.childText);
}

TEST_P(XmlLoadTest, ReadsTheSameFromAFile) {
  const LoadCase& c = GetParam();
  test::TempDir dir;
  test::WriteBytes(dir / "doc.xml", c.bytes);
  XmlDocument doc;
  EXPECT_EQ(doc.LoadFile(dir / "doc.xml"), c.loaded);
  EXPECT_EQ(doc.DiagnosticText(), c.diagnostic);
}

INSTANTIATE_TEST_SUITE_P(Encodings, XmlLoadTest, testing::ValuesIn(LoadCases()),
                         [](const testing::TestParamInfo<LoadCase>& param) {
                           return param.param.name;
                         });

TEST(XmlLoadFailureTest, MissingFileLeavesAnEmptyDocument) {
  test::TempDir dir;
  XmlDocument doc;
  ASSERT_TRUE(doc.LoadFile(Bytes("<r><k>v</k></r>")));
  ASSERT_TRUE(doc.FindChildElement("k"));

  EXPECT_FALSE(doc.LoadFile(dir / "missing.xml"));
  EXPECT_EQ(doc.DiagnosticText(), "No such file or directory");
  EXPECT_TRUE(doc.Text().empty());
  EXPECT_EQ(doc.ElementCount(), 1u);
  EXPECT_EQ(doc.ChildPosition(), 0u);
  EXPECT_FALSE(doc.FindChildElement("k"));
  EXPECT_EQ(doc.GetChildTextUtf8(), "");
}

TEST(XmlLoadFailureTest, AFolderGivesTheSystemMessage) {
  test::TempDir dir;
  XmlDocument doc;
  EXPECT_FALSE(doc.LoadFile(dir.path()));
  EXPECT_EQ(doc.DiagnosticText(), "Is a directory");
}

TEST(XmlLoadFailureTest, RefusesAFileOverTheSizeLimit) {
  std::vector<std::uint8_t> bytes(XmlDocument::kMaxFileSize + 1, ' ');
  XmlDocument doc;
  EXPECT_FALSE(doc.LoadFile(bytes));
  EXPECT_EQ(doc.DiagnosticText(), "File too large");
  EXPECT_EQ(doc.ElementCount(), 1u);
}

TEST(XmlLoadFailureTest, AMalformedLoadKeepsWhatWasParsed) {
  XmlDocument doc;
  EXPECT_FALSE(doc.LoadFile(Bytes("<r><k>v</k><open></r>")));
  EXPECT_EQ(doc.DiagnosticText(),
            "UTF-8 length 21 to 21 wide chars  End tag 'r' at offset 18 does not match start tag "
            "'open' at offset 11");
  ASSERT_TRUE(doc.FindChildElement("k"));
  EXPECT_EQ(doc.GetChildTextUtf8(), "v");
}

}  // namespace
}  // namespace n63k
