#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/i18n/Languages.h"
#include "core/i18n/StringKeys.h"
#include "support/CaseName.h"
#include "support/CliRun.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// By index into kLanguages.
class ShippedLanguageFile : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ShippedLanguageFile, HasATextForEveryKey) {
  const std::filesystem::path file =
      std::filesystem::path(N63K_PROGRAM_DIR) / kLanguages[GetParam()].file;
  const test::CliRun run = test::RunBuiltTool("lang '" + file.string() + "'");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), kStringKeyCount + 2);
  EXPECT_TRUE(lines.front().starts_with("diagnostic: ")) << lines.front();
  for (std::size_t i = 0; i < kStringKeyCount; ++i) {
    EXPECT_TRUE(lines[i + 1].starts_with(std::string(kStringKeys[i]) + "=")) << lines[i + 1];
  }
  EXPECT_EQ(lines.back(), "missing: 0");

  const std::string& message = lines[1 + StringKey("str_msg2").Index()];
  EXPECT_EQ(message.find("%s"), message.rfind("%s")) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '%'), 1) << message;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile,
                         ::testing::Range<std::size_t>(0, kLanguages.size()),
                         [](const ::testing::TestParamInfo<std::size_t>& index) {
                           return test::LanguageTag(kLanguages[index.param]);
                         });

struct LangCase {
  const char* name;
  const char* content;  // nullptr: no file at all
  int status;
  const char* okLine;
  const char* missingLine;
};
void PrintTo(const LangCase& c, std::ostream* os) {
  *os << c.name;
}

class LangCommandTest : public ::testing::TestWithParam<LangCase> {};

TEST_P(LangCommandTest, PrintsEveryKeyOnOneLine) {
  const LangCase& c = GetParam();
  test::TempDir dir;
  if (c.content != nullptr) {
    test::WriteText(dir / "l.xml", c.content);
  }
  const test::CliRun run = test::RunInProcess({"lang", (dir / "l.xml").string()});
  EXPECT_EQ(run.status, c.status);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), kStringKeyCount + 2);
  EXPECT_EQ(lines[1 + StringKey("str_ok").Index()], c.okLine);
  EXPECT_EQ(lines.back(), c.missingLine);
  EXPECT_EQ(run.err.empty(), c.status == 0) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LangCommandTest,
    ::testing::Values(
        LangCase{"Escapes", "<r><config><str_ok>a\\b&#9;c&#10;d&#13;e</str_ok></config></r>", 0,
                 "str_ok=a\\\\b\\tc\\nd\\re", "missing: 113"},
        LangCase{"Utf8", "<r><config><str_ok>確定</str_ok><str_main>x</str_main></config></r>", 0,
                 "str_ok=確定", "missing: 112"},
        LangCase{"EmptyFileIsRead", "", 0, "str_ok=", "missing: 114"},
        LangCase{"MissingFile", nullptr, 1, "str_ok=", "missing: 114"}),
    test::CaseName<LangCase>);

TEST(LangCommand, DiagnosticComesFirst) {
  test::TempDir dir;
  test::WriteText(dir / "l.xml", "<a/><b/>");
  const test::CliRun run = test::RunInProcess({"lang", (dir / "l.xml").string()});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.front().starts_with("diagnostic: ")) << lines.front();
  EXPECT_TRUE(lines.front().ends_with("Root element has sibling")) << lines.front();
}

}  // namespace
}  // namespace n63k
