#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/TellUser.h"
#include "core/i18n/InterfaceLanguage.h"
#include "support/CaseName.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

class CountingObserver final : public LanguageObserver {
 public:
  void ReapplyCaptions() override { ++reapplied; }
  void CloseLanguageMenu() override { ++closed; }
  int reapplied = 0;
  int closed = 0;
};

class LanguageFolders {
 protected:
  LanguageFolders() {
    test::WriteTaggedLanguageFiles(program());
    fs::create_directories(data());
    language_.SetObserver(&observer_);
  }

  fs::path program() const { return dir_ / "program"; }
  fs::path data() const { return dir_ / "data"; }
  fs::path languageCfg() const { return data() / "Language.cfg"; }

  // Shows what an operation told, as the program does.
  int Told(const LanguageNumber& number) {
    TellUser(number.outcome, messages_, localisation_);
    return number.number;
  }
  void Told(const Outcome& outcome) { TellUser(outcome, messages_, localisation_); }

  test::TempDir dir_;
  test::RecordingMessages messages_;
  Localisation localisation_;
  CountingObserver observer_;
  InterfaceLanguage language_{Folders{program(), data()}, localisation_, SystemFiles()};
};

struct StartUpCase {
  const char* name;
  std::optional<int> languageType;  // nothing: no skins/languagetype.ini
  bool chinese;
  const char* texts;
  int flag;
};
void PrintTo(const StartUpCase& c, std::ostream* os) {
  *os << c.name;
}

class StartUpTest : public LanguageFolders, public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpTest, TakesTheInstallationLanguageAndReturnsTheStoredNumber) {
  const StartUpCase& c = GetParam();
  if (c.languageType) {
    test::WriteLanguageType(program(), *c.languageType);
  }
  fs::create_directories(program() / "FWUpdate");
  test::WriteBytes(languageCfg(), {7, 0, 0, 0});
  localisation_.chineseUi = !c.chinese;
  localisation_.startupChineseUi = !c.chinese;

  EXPECT_EQ(Told(language_.StartUp()), 7);

  EXPECT_EQ(localisation_.chineseUi, c.chinese);
  EXPECT_EQ(localisation_.startupChineseUi, c.chinese);
  EXPECT_EQ(localisation_.texts.Get("str_ok"), c.texts);
  EXPECT_EQ(language_.FlagLanguage(), c.flag);
  EXPECT_EQ(test::ReadText(program() / "FWUpdate" / "Config.ini"),
            std::string("[Language]\nType=") + (c.chinese ? "1" : "0") + "\n");
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(observer_.reapplied, 0);
  EXPECT_EQ(test::ReadBytes(languageCfg()), (std::vector<std::uint8_t>{7, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpTest,
                         ::testing::Values(StartUpCase{"Chinese", 1, true, "sc", 1},
                                           StartUpCase{"English", 0, false, "en", 2},
                                           StartUpCase{"OtherValue", 2, false, "en", 2},
                                           StartUpCase{"NoFile", std::nullopt, false, "en", 2}),
                         test::CaseName<StartUpCase>);

class LanguageFoldersTest : public LanguageFolders, public ::testing::Test {};

TEST_F(LanguageFoldersTest, StartUpWithoutFlasherFolderGoesOnSilently) {
  test::WriteLanguageType(program(), 1);
  test::WriteBytes(languageCfg(), {3, 0, 0, 0});
  EXPECT_EQ(Told(language_.StartUp()), 3);
  EXPECT_FALSE(fs::exists(program() / "FWUpdate"));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(localisation_.texts.Get("str_ok"), "sc");
}

struct NumberCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  int expected;
};
void PrintTo(const NumberCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadLanguageNumberTest : public LanguageFolders,
                               public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadLanguageNumberTest, ReadsFourBytesOverTheNumberOne) {
  test::WriteBytes(languageCfg(), GetParam().bytes);
  EXPECT_EQ(Told(language_.ReadLanguageNumber()), GetParam().expected);
  EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadLanguageNumberTest,
                         ::testing::Values(NumberCase{"Twelve", {12, 0, 0, 0}, 12},
                                           NumberCase{"Empty", {}, 1},
                                           NumberCase{"OneByte", {5}, 5},
                                           NumberCase{"TwoBytes", {0, 1}, 256},
                                           NumberCase{"Negative", {0xFF, 0xFF, 0xFF, 0xFF}, -1},
                                           NumberCase{"Longer", {3, 0, 0, 0, 9, 9}, 3}),
                         test::CaseName<NumberCase>);

TEST_F(LanguageFoldersTest, MissingLanguageCfgIsReportedAndReadsOne) {
  EXPECT_EQ(Told(language_.ReadLanguageNumber()), 1);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, test::RecordingMessages::Shown::Kind::kInfoBox);
  EXPECT_FALSE(messages_.shown[0].hasCancel);
  EXPECT_EQ(messages_.shown[0].text,
            "Failed to open file, check whether there is a " + languageCfg().string() + " path?");
}

TEST_F(LanguageFoldersTest, UnreadableLanguageCfgIsReportedAndReadsOne) {
  fs::create_directories(languageCfg());
  localisation_.chineseUi = false;
  EXPECT_EQ(Told(language_.ReadLanguageNumber()), 1);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("Cannot read the file " + languageCfg().string(), 0), 0u)
      << messages_.shown[0].text;
}

TEST_F(LanguageFoldersTest, StartUpWritesNothingThatIsStored) {
  test::WriteBytes(languageCfg(), {2, 0, 0, 0});
  ASSERT_EQ(Told(language_.ReadLanguageNumber()), 2);
  const test::WriteProtection protection(languageCfg());
  if (!protection.active()) {
    GTEST_SKIP() << "this file system cannot refuse writes";
  }
  Told(language_.SwitchLanguage(2, LanguagePick::kStartUp));
  EXPECT_TRUE(messages_.shown.empty()) << "the start-up tried to write Language.cfg";
  EXPECT_EQ(localisation_.texts.Get("str_ok"), "en");
}

struct SwitchCase {
  const char* name;
  int number;
  LanguagePick pick;
  bool menuOpen;
  // What follows; a switch that does nothing leaves the state of the setup.
  const char* texts;
  bool chinese;
  int flag;
  std::optional<int> stored;
  int reapplied;
  int closed;
};
void PrintTo(const SwitchCase& c, std::ostream* os) {
  *os << c.name;
}

class SwitchLanguageTest : public LanguageFolders, public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchLanguageTest, SwitchesAsPicked) {
  const SwitchCase& c = GetParam();
  localisation_.texts.Set("str_ok", "before");
  localisation_.chineseUi = true;
  language_.SetMenuOpen(c.menuOpen);

  Told(language_.SwitchLanguage(c.number, c.pick));

  EXPECT_EQ(localisation_.texts.Get("str_ok"), c.texts);
  EXPECT_EQ(localisation_.chineseUi, c.chinese);
  EXPECT_EQ(language_.FlagLanguage(), c.flag);
  if (c.stored) {
    const auto n = static_cast<std::uint8_t>(*c.stored);
    const std::uint8_t fill = *c.stored < 0 ? 0xFF : 0;
    EXPECT_EQ(test::ReadBytes(languageCfg()), (std::vector<std::uint8_t>{n, fill, fill, fill}));
  } else {
    EXPECT_FALSE(fs::exists(languageCfg()));
  }
  EXPECT_EQ(observer_.reapplied, c.reapplied);
  EXPECT_EQ(observer_.closed, c.closed);
  EXPECT_EQ(language_.MenuOpen(), c.menuOpen && c.closed == 0);
  EXPECT_TRUE(messages_.shown.empty());
}

constexpr LanguagePick kStart = LanguagePick::kStartUp;
constexpr LanguagePick kMenu = LanguagePick::kMenu;

INSTANTIATE_TEST_SUITE_P(
    Cases, SwitchLanguageTest,
    ::testing::Values(
        SwitchCase{"Chinese", 1, kStart, false, "sc", true, 1, 1, 1, 0},
        SwitchCase{"English", 2, kStart, false, "en", false, 2, 2, 1, 0},
        SwitchCase{"TradChineseGetsEnglishWordings", 12, kStart, false, "tw", false, 12, 12, 1, 0},
        SwitchCase{"Zero", 0, kStart, false, "before", true, 0, std::nullopt, 0, 0},
        SwitchCase{"BeyondTheLanguages", 13, kStart, false, "before", false, 0, 13, 1, 0},
        SwitchCase{"Negative", -1, kStart, false, "before", false, 0, -1, 1, 0},
        SwitchCase{"FromOpenMenu", 3, kMenu, true, "fre", false, 3, 3, 1, 1},
        SwitchCase{"ChineseFromOpenMenu", 1, kMenu, true, "sc", true, 1, 1, 1, 1},
        SwitchCase{"FromClosedMenu", 3, kMenu, false, "before", true, 0, std::nullopt, 0, 0},
        SwitchCase{"MenuClosedWithoutChoice", 0, kMenu, true, "before", true, 0, std::nullopt, 0,
                   0},
        SwitchCase{"StartUpWhileMenuOpen", 5, kStart, true, "ger", false, 5, 5, 1, 0}),
    test::CaseName<SwitchCase>);

TEST_F(LanguageFoldersTest, MissingFileLeavesEveryTextEmpty) {
  localisation_.texts.Set("str_ok", "before");
  fs::remove(program() / "Language" / "ita.xml");
  Told(language_.SwitchLanguage(6, LanguagePick::kStartUp));
  for (const std::string& text : localisation_.texts.All()) {
    EXPECT_EQ(text, "");
  }
  EXPECT_EQ(language_.FlagLanguage(), 6);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LanguageFoldersTest, FailedWriteIsReportedInTheNewLanguage) {
  fs::remove_all(data());
  Told(language_.SwitchLanguage(2, LanguagePick::kStartUp));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, test::RecordingMessages::Shown::Kind::kStandard);
  EXPECT_EQ(messages_.shown[0].text, "en " + languageCfg().string());
  EXPECT_EQ(localisation_.texts.Get("str_ok"), "en");
  EXPECT_FALSE(localisation_.chineseUi);
  EXPECT_EQ(observer_.reapplied, 1);
}

TEST_F(LanguageFoldersTest, RefusedWriteIsReportedAndKeepsTheStoredNumber) {
  test::WriteBytes(languageCfg(), {5, 0, 0, 0});
  const test::WriteProtection protection(languageCfg());
  if (!protection.active()) {
    GTEST_SKIP() << "this file system cannot refuse writes";
  }
  Told(language_.SwitchLanguage(2, LanguagePick::kStartUp));
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"en denied"});
  EXPECT_EQ(test::ReadBytes(languageCfg()), (std::vector<std::uint8_t>{5, 0, 0, 0}));
}

TEST_F(LanguageFoldersTest, WorksWithoutObserver) {
  language_.SetObserver(nullptr);
  language_.SetMenuOpen(true);
  Told(language_.SwitchLanguage(4, LanguagePick::kMenu));
  EXPECT_EQ(localisation_.texts.Get("str_ok"), "kor");
  EXPECT_FALSE(language_.MenuOpen());
}

}  // namespace
}  // namespace n63k
