#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/ProgramState.h"
#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "support/CaseName.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

struct StartCase {
  const char* name;
  int languageType;
  std::optional<std::vector<std::uint8_t>> languageCfg;  // nothing: no Language.cfg
  bool chineseUi;
  bool startupChineseUi;
  const char* texts;
  int flag;
  std::vector<std::uint8_t> storedAfter;
};
void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.name;
}

class LanguageStartUpTest : public ::testing::TestWithParam<StartCase> {
 protected:
  fs::path program() const { return dir_ / "program"; }
  fs::path data() const { return dir_ / "data"; }

  test::TempDir dir_;
  test::RecordingMessages messages_;
};

TEST_P(LanguageStartUpTest, InstallationLanguageThenStoredLanguage) {
  const StartCase& c = GetParam();
  test::WriteTaggedLanguageFiles(program());
  test::WriteLanguageType(program(), c.languageType);
  fs::create_directories(data());
  if (c.languageCfg) {
    test::WriteBytes(data() / "Language.cfg", *c.languageCfg);
  }
  ProgramState state(Folders{program(), data()}, messages_);

  state.LoadStoredSettings();

  EXPECT_EQ(state.localisation().chineseUi, c.chineseUi);
  EXPECT_EQ(state.localisation().startupChineseUi, c.startupChineseUi);
  EXPECT_EQ(state.localisation().texts.Get("str_ok"), c.texts);
  EXPECT_EQ(state.language().FlagLanguage(), c.flag);
  EXPECT_EQ(test::ReadBytes(data() / "Language.cfg"), c.storedAfter);
  const std::string missingCfg = "Failed to open file, check whether there is a " +
                                 (data() / "Language.cfg").string() + " path?";
  const std::vector<std::string> shown = messages_.Texts();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), missingCfg), c.languageCfg ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageStartUpTest,
    ::testing::Values(
        StartCase{"EnglishOnChineseInstallation",
                  1,
                  std::vector<std::uint8_t>{2, 0, 0, 0},
                  false,
                  true,
                  "en",
                  2,
                  {2, 0, 0, 0}},
        StartCase{"ChineseOnEnglishInstallation",
                  0,
                  std::vector<std::uint8_t>{1, 0, 0, 0},
                  true,
                  false,
                  "sc",
                  1,
                  {1, 0, 0, 0}},
        StartCase{"ZeroKeepsInstallationLanguage",
                  0,
                  std::vector<std::uint8_t>{0, 0, 0, 0},
                  false,
                  false,
                  "en",
                  2,
                  {0, 0, 0, 0}},
        StartCase{"ThirteenKeepsInstallationTexts",
                  1,
                  std::vector<std::uint8_t>{13, 0, 0, 0},
                  false,
                  true,
                  "sc",
                  1,
                  {13, 0, 0, 0}},
        StartCase{"TradChinese",
                  1,
                  std::vector<std::uint8_t>{12, 0, 0, 0},
                  false,
                  true,
                  "tw",
                  12,
                  {12, 0, 0, 0}},
        StartCase{"EmptyLanguageCfg",
                  0,
                  std::vector<std::uint8_t>{},
                  true,
                  false,
                  "sc",
                  1,
                  {1, 0, 0, 0}},
        StartCase{"MissingLanguageCfg", 0, std::nullopt, true, false, "sc", 1, {1, 0, 0, 0}}),
    test::CaseName<StartCase>);

TEST(ProgramStateStartUp, ProfilesAreLoadedUnderTheInstallationLanguage) {
  test::TempDir dir;
  test::RecordingMessages messages;
  test::WriteTaggedLanguageFiles(dir / "program");
  test::WriteLanguageType(dir / "program", 1);
  test::WriteBytes(dir / "data" / "Language.cfg", {2, 0, 0, 0});
  ProgramState state(Folders{dir / "program", dir / "data"}, messages);

  state.LoadStoredSettings();

  // The missing profile was replaced by defaults before the stored language
  // (English) was applied, so its captions are Chinese.
  EXPECT_FALSE(state.localisation().chineseUi);
  EXPECT_EQ(FixedText(state.profileFiles().Current().buttons[0].caption), GetFunctionName(1, true));
}

TEST(ProgramStateStartUp, FirstRunTakesTheProgramFoldersLanguage) {
  test::TempDir dir;
  test::RecordingMessages messages;
  test::WriteTaggedLanguageFiles(dir / "program");
  test::WriteBytes(dir / "program" / "Language.cfg", {5, 0, 0, 0});
  ProgramState state(Folders{dir / "program", dir / "data"}, messages);

  state.LoadStoredSettings();

  EXPECT_EQ(state.localisation().texts.Get("str_ok"), "ger");
  EXPECT_EQ(test::ReadBytes(dir / "data" / "Language.cfg"),
            (std::vector<std::uint8_t>{5, 0, 0, 0}));
}

}  // namespace
}  // namespace n63k
