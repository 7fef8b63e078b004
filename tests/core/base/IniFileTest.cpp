#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <string>

#include "core/base/IniFile.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::ReadText;
using test::WriteText;

struct IntCase {
  const char* name;
  std::string content;
  int expected;
};
void PrintTo(const IntCase& c, std::ostream* os) {
  *os << c.name;
}

class GetProfileIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(GetProfileIntTest, ReadsTheFirstKeyOfTheFirstSection) {
  test::TempDir dir;
  WriteText(dir / "a.ini", GetParam().content);
  EXPECT_EQ(GetProfileInt(dir / "a.ini", "languagetype", "value", 7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetProfileIntTest,
    ::testing::Values(
        IntCase{"Plain", "[languagetype]\nvalue=1\n", 1},
        IntCase{"NamesIgnoreCaseAndBlanks", "  [ LanguageType ]  \n\tVALUE \t= 1 \r\n", 1},
        IntCase{"CarriageReturnLines", "[languagetype]\rvalue=1\r", 1},
        IntCase{"ByteOrderMark", "\xEF\xBB\xBF[languagetype]\nvalue=1", 1},
        IntCase{"OtherSection", "[other]\nvalue=1\n", 7},
        IntCase{"KeyBeforeAnySection", "value=1\n[languagetype]\n", 7},
        IntCase{"KeyOfLaterSection", "[languagetype]\nother=1\n[x]\nvalue=3\n", 7},
        IntCase{"FirstKeyWins", "[languagetype]\nvalue=2\nvalue=3\n", 2},
        IntCase{"FirstSectionWins", "[languagetype]\nvalue=4\n[languagetype]\nvalue=5\n", 4},
        IntCase{"OnlyFirstSectionSearched", "[languagetype]\n[x]\n[languagetype]\nvalue=5\n", 7},
        IntCase{"KeyWithoutEquals", "[languagetype]\nvalue\n", 7},
        IntCase{"EmptyValue", "[languagetype]\nvalue=\n", 7},
        IntCase{"EmptyQuotedValue", "[languagetype]\nvalue=\"\"\n", 7},
        IntCase{"QuotedValue", "[languagetype]\nvalue=\"1\"\n", 1},
        IntCase{"NotANumber", "[languagetype]\nvalue=abc\n", 0},
        IntCase{"LeadingDigits", "[languagetype]\nvalue=12ab\n", 12},
        IntCase{"Negative", "[languagetype]\nvalue=-3\n", -3},
        IntCase{"TooLarge", "[languagetype]\nvalue=99999999999\n", INT_MAX},
        IntCase{"TooSmall", "[languagetype]\nvalue=-99999999999\n", INT_MIN},
        IntCase{"SectionWithoutBracket", "[languagetype\nvalue=1\n", 7}),
    test::CaseName<IntCase>);

TEST(GetProfileInt, MissingFileGivesTheDefault) {
  test::TempDir dir;
  EXPECT_EQ(GetProfileInt(dir / "none.ini", "languagetype", "value", 7), 7);
}

struct WriteCase {
  const char* name;
  std::string before;
  std::string after;
};
void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << c.name;
}

class WriteProfileStringTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteProfileStringTest, SetsTheValueAndKeepsTheRest) {
  test::TempDir dir;
  WriteText(dir / "a.ini", GetParam().before);
  EXPECT_EQ(WriteProfileString(dir / "a.ini", "Language", "Type", "1"), FileError::kNone);
  EXPECT_EQ(ReadText(dir / "a.ini"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProfileStringTest,
    ::testing::Values(
        WriteCase{"EmptyFile", "", "[Language]\nType=1\n"},
        WriteCase{"ReplacesValue", "[Language]\nType=0\n", "[Language]\nType=1\n"},
        WriteCase{"KeepsSpellingOfKey", "[language]\n type = 0 \n", "[language]\ntype=1\n"},
        WriteCase{"ReplacesFirstKeyOnly", "[Language]\nType=0\nType=0\n",
                  "[Language]\nType=1\nType=0\n"},
        WriteCase{"AddsKeyAfterLastLineOfSection", "[Language]\nX=2\n\n[Other]\na=b\n",
                  "[Language]\nX=2\nType=1\n\n[Other]\na=b\n"},
        WriteCase{"AddsKeyAtEndWithoutLineBreak", "[Language]\nX=2", "[Language]\nX=2\nType=1\n"},
        WriteCase{"KeepsWindowsLineBreaks", "[Language]\r\nX=2\r\n",
                  "[Language]\r\nX=2\r\nType=1\r\n"},
        WriteCase{"AddsSectionAtEnd", "; note\n[Other]\na=b",
                  "; note\n[Other]\na=b\n[Language]\nType=1\n"},
        WriteCase{"KeyOfOtherSectionUntouched", "[Other]\nType=0\n",
                  "[Other]\nType=0\n[Language]\nType=1\n"},
        WriteCase{"KeepsByteOrderMark", "\xEF\xBB\xBF[Language]\nType=0\n",
                  "\xEF\xBB\xBF[Language]\nType=1\n"}),
    test::CaseName<WriteCase>);

TEST(WriteProfileString, CreatesAMissingFile) {
  test::TempDir dir;
  EXPECT_EQ(WriteProfileString(dir / "a.ini", "Language", "Type", "0"), FileError::kNone);
  EXPECT_EQ(ReadText(dir / "a.ini"), "[Language]\nType=0\n");
  EXPECT_EQ(GetProfileInt(dir / "a.ini", "Language", "Type", 5), 0);
}

TEST(WriteProfileString, MissingFolderIsNotFound) {
  test::TempDir dir;
  EXPECT_EQ(WriteProfileString(dir / "none" / "a.ini", "Language", "Type", "0"),
            FileError::kNotFound);
}

TEST(WriteProfileString, UnchangedTextIsNotRewritten) {
  test::TempDir dir;
  WriteText(dir / "a.ini", "[Language]\nType=1\n");
  struct stat before {};
  ASSERT_EQ(::stat((dir / "a.ini").c_str(), &before), 0);
  EXPECT_EQ(WriteProfileString(dir / "a.ini", "language", "type", "1"), FileError::kNone);
  struct stat after {};
  ASSERT_EQ(::stat((dir / "a.ini").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST(WriteProfileString, RefusesTextThatWouldChangeTheStructure) {
  test::TempDir dir;
  WriteText(dir / "a.ini", "[Language]\nType=1\n");
  for (const auto& [section, key, value] :
       {std::tuple{"Language", "Type", "0\n[Other]"}, std::tuple{"Language", "Ty=pe", "0"},
        std::tuple{"Lang]uage", "Type", "0"}, std::tuple{"Language\r", "Type", "0"}}) {
    EXPECT_EQ(WriteProfileString(dir / "a.ini", section, key, value), FileError::kOther)
        << section << ' ' << key << ' ' << value;
  }
  EXPECT_EQ(ReadText(dir / "a.ini"), "[Language]\nType=1\n");
}

}  // namespace
}  // namespace n63k
