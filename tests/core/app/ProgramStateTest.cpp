#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

std::vector<std::uint8_t> StoredNumber(std::uint8_t number) {
  return {number, 0, 0, 0};
}

class ProgramStateStartUp : public ::testing::Test {
 protected:
  ProgramStateStartUp() { test::WriteTaggedLanguageFiles(program()); }

  fs::path program() const { return dir_ / "program"; }
  fs::path data() const { return dir_ / "data"; }

  ProgramState& Start() {
    state_ = std::make_unique<ProgramState>(Folders{program(), data()}, messages_, clock_);
    state_->LoadStoredSettings();
    return *state_;
  }

  test::TempDir dir_;
  test::RecordingMessages messages_;
  VirtualClock clock_;
  std::unique_ptr<ProgramState> state_;
};

struct StartCase {
  const char* name;
  int languageType;
  std::optional<std::uint8_t> stored;  // nothing: no Language.cfg
  bool chineseUi;
  bool startupChineseUi;
  const char* texts;
  int flag;
  std::uint8_t storedAfter;
};
void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.name;
}

class LanguageStartUpTest : public ProgramStateStartUp,
                            public ::testing::WithParamInterface<StartCase> {};

TEST_P(LanguageStartUpTest, InstallationLanguageThenStoredLanguage) {
  const StartCase& c = GetParam();
  test::WriteLanguageType(program(), c.languageType);
  fs::create_directories(data());
  if (c.stored) {
    test::WriteBytes(data() / "Language.cfg", StoredNumber(*c.stored));
  }

  ProgramState& state = Start();

  EXPECT_EQ(state.localisation().chineseUi, c.chineseUi);
  EXPECT_EQ(state.localisation().startupChineseUi, c.startupChineseUi);
  EXPECT_EQ(state.localisation().texts.Get("str_ok"), c.texts);
  EXPECT_EQ(state.language().FlagLanguage(), c.flag);
  EXPECT_EQ(test::ReadBytes(data() / "Language.cfg"), StoredNumber(c.storedAfter));
  const std::string missingCfg = "Failed to open file, check whether there is a " +
                                 (data() / "Language.cfg").string() + " path?";
  const std::vector<std::string> shown = messages_.Texts();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), missingCfg), c.stored ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageStartUpTest,
    ::testing::Values(StartCase{"EnglishOnChineseInstallation", 1, 2, false, true, "en", 2, 2},
                      StartCase{"ChineseOnEnglishInstallation", 0, 1, true, false, "sc", 1, 1},
                      StartCase{"ZeroKeepsInstallationLanguage", 0, 0, false, false, "en", 2, 0},
                      StartCase{"ThirteenKeepsInstallationTexts", 1, 13, false, true, "sc", 1, 13},
                      StartCase{"TradChinese", 1, 12, false, true, "tw", 12, 12},
                      StartCase{"MissingLanguageCfg", 0, std::nullopt, true, false, "sc", 1, 1}),
    test::CaseName<StartCase>);

TEST_F(ProgramStateStartUp, ProfilesAreLoadedUnderTheInstallationLanguage) {
  test::WriteLanguageType(program(), 1);
  test::WriteBytes(data() / "Language.cfg", StoredNumber(2));

  ProgramState& state = Start();

  // The missing profile was replaced by defaults before the stored language
  // (English) was applied, so its captions are Chinese.
  EXPECT_FALSE(state.localisation().chineseUi);
  EXPECT_EQ(FixedText(state.profileFiles().Current().buttons[0].caption), GetFunctionName(1, true));
}

TEST_F(ProgramStateStartUp, FirstRunTakesTheProgramFoldersLanguage) {
  test::WriteBytes(program() / "Language.cfg", StoredNumber(5));

  ProgramState& state = Start();

  EXPECT_EQ(state.localisation().texts.Get("str_ok"), "ger");
  EXPECT_EQ(test::ReadBytes(data() / "Language.cfg"), StoredNumber(5));
}

}  // namespace
}  // namespace n63k
