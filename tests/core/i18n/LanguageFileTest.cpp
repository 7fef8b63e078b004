#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/i18n/LanguageFile.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

struct FileCase {
  const char* name;
  const char* content;
  const char* key;
  const char* expected;
  long filledTexts;  // how many keys get a text that is not empty
};
void PrintTo(const FileCase& c, std::ostream* os) {
  *os << c.name;
}

class LanguageFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(LanguageFileTest, FillsTheTableFromTheFirstConfig) {
  const FileCase& c = GetParam();
  test::TempDir dir;
  test::WriteText(dir / "l.xml", c.content);
  TextTable table;
  table.Set("str_main", "left over");

  LoadLanguageFile(dir / "l.xml", table);

  const auto key = std::find(kStringKeys.begin(), kStringKeys.end(), c.key);
  ASSERT_NE(key, kStringKeys.end());
  EXPECT_EQ(table.All()[static_cast<std::size_t>(key - kStringKeys.begin())], c.expected);
  EXPECT_EQ(std::count_if(table.All().begin(), table.All().end(),
                          [](const std::string& text) { return !text.empty(); }),
            c.filledTexts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileTest,
    ::testing::Values(
        FileCase{"OneKey", "<r><config><str_ok>OK</str_ok></config></r>", "str_ok", "OK", 1},
        FileCase{"AnyRootName",
                 "<?xml version=\"1.0\"?><language><config><str_ok>OK</str_ok>"
                 "</config></language>",
                 "str_ok", "OK", 1},
        FileCase{"MissingKeyIsEmpty", "<r><config><str_ok>OK</str_ok></config></r>", "str_main", "",
                 1},
        FileCase{
            "OnlyFirstConfig",
            "<r><config><str_ok>A</str_ok></config><config><str_main>B</str_main></config></r>",
            "str_main", "", 1},
        FileCase{"FirstElementOfAKey",
                 "<r><config><str_ok>1</str_ok><str_ok>2</str_ok></config></r>", "str_ok", "1", 1},
        FileCase{"ElementWithChildIsEmpty", "<r><config><str_ok>A<b/></str_ok></config></r>",
                 "str_ok", "", 0},
        FileCase{"WhitespaceAndEntitiesKept",
                 "<r><config><str_ok> a &amp; b &lt;c&gt; </str_ok></config></r>", "str_ok",
                 " a & b <c> ", 1},
        FileCase{"LongerNameIsAnotherKey",
                 "<r><config><str_backlight>x</str_backlight></config></r>", "str_back", "", 1},
        FileCase{"NestedConfigIsSearched",
                 "<r><config><x/><config><str_ok>N</str_ok></config></config></r>", "str_ok", "N",
                 1},
        FileCase{"ConfigBelowAnotherElementIsNot",
                 "<r><config><a><config><str_ok>N</str_ok></config></a></config></r>", "str_ok", "",
                 0},
        FileCase{"ConfigNotUnderRoot", "<r><x><config><str_ok>A</str_ok></config></x></r>",
                 "str_ok", "", 0},
        FileCase{"MalformedFileIsReadAsFarAsItParsed",
                 "<r><config><str_ok>A</str_ok><str_main>B</str_main></config><b></r>", "str_main",
                 "B", 2},
        FileCase{"EmptyFile", "", "str_ok", "", 0}),
    test::CaseName<FileCase>);

TEST(LanguageFile, UnreadableFileEmptiesEveryText) {
  test::TempDir dir;
  TextTable table;
  table.Set("str_ok", "old");
  LoadLanguageFile(dir / "missing.xml", table);
  EXPECT_EQ(table.Get("str_ok"), "");
}

TEST(GetSectionText, FindsAKeyOfAnotherSection) {
  test::TempDir dir;
  test::WriteText(dir / "u.xml",
                  "<update><info><version>7</version></info><file><url>http://x/y</url></file>"
                  "</update>");
  XmlDocument document;
  document.LoadFile(dir / "u.xml");
  EXPECT_EQ(GetSectionText(document, "file", "url"), "http://x/y");
  EXPECT_EQ(GetSectionText(document, "info", "version"), "7");
  EXPECT_EQ(GetSectionText(document, "info", "url"), "");
  EXPECT_EQ(GetSectionText(document, "none", "url"), "");
}

}  // namespace
}  // namespace n63k
