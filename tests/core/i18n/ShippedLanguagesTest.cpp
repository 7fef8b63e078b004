#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/i18n/LanguageFile.h"
#include "core/i18n/Languages.h"
#include "support/CaseName.h"

namespace n63k {
namespace {

// The language files the program folder gets, read as the program reads them.
TextTable LoadShipped(std::string_view file) {
  TextTable table;
  LoadLanguageFile(std::filesystem::path(N63K_SHIPPED_DATA) / file, table);
  return table;
}

struct WordingCase {
  const char* name;
  int language;
  const char* key;
  const char* text;
};
void PrintTo(const WordingCase& c, std::ostream* os) {
  *os << c.name;
}

class ShippedWordingTest : public ::testing::TestWithParam<WordingCase> {};

TEST_P(ShippedWordingTest, SaysWhatTheControlDoes) {
  const WordingCase& c = GetParam();
  const TextTable table = LoadShipped(kLanguages.at(static_cast<std::size_t>(c.language - 1)).file);
  const auto key = std::find(kStringKeys.begin(), kStringKeys.end(), c.key);
  ASSERT_NE(key, kStringKeys.end());
  EXPECT_EQ(table.All()[static_cast<std::size_t>(key - kStringKeys.begin())], c.text);
}

// Wordings that once misled: a page key where the chooser means the previous
// and next entries, a static-colour mode where the palette is meant, a second
// word for lighting.
INSTANTIATE_TEST_SUITE_P(
    Cases, ShippedWordingTest,
    ::testing::Values(WordingCase{"FrenchNext", 3, "str_pre", "Suivant"},
                      WordingCase{"FrenchPrevious", 3, "str_back", "Précédent"},
                      WordingCase{"FrenchFactorySettings", 3, "str_defaultname",
                                  "Réglages d'usine"},
                      WordingCase{"DutchPaletteColours", 8, "str_preset_color", "Standaardkleuren"},
                      WordingCase{"KoreanLightingMode", 4, "str_backlight", "조명 모드"}),
    test::CaseName<WordingCase>);

class ShippedLanguageTest : public ::testing::TestWithParam<int> {};

// Every key has a text, and the file-not-found format takes the path once.
TEST_P(ShippedLanguageTest, HoldsEveryKey) {
  const TextTable table = LoadShipped(kLanguages.at(static_cast<std::size_t>(GetParam() - 1)).file);
  for (std::size_t i = 0; i < kStringKeys.size(); ++i) {
    EXPECT_FALSE(table.All()[i].empty()) << kStringKeys[i];
  }
  const std::string& format = table.Get("str_msg2");
  const auto first = format.find("%s");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(format.find('%', first + 1), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest, ::testing::Range(1, kLanguageCount + 1));

}  // namespace
}  // namespace n63k
