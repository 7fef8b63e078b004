#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <filesystem>
#include <string>

#include "core/i18n/LanguageFile.h"
#include "core/i18n/Languages.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

// How many characters of `text` no font the dialog font falls back to has:
// they would show as empty boxes.
int MissingGlyphs(const QString& text) {
  QTextLayout layout(text, DialogFont(14));
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  int missing = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    for (const quint32 glyph : run.glyphIndexes()) {
      missing += glyph == 0 ? 1 : 0;
    }
  }
  return missing;
}

class DialogFontTest : public ::testing::TestWithParam<int> {};

// Every text of every shipped language, Korean and both Chinese scripts
// included, draws with real glyphs.
TEST_P(DialogFontTest, DrawsEveryTextOfTheLanguage) {
  TextTable table;
  LoadLanguageFile(std::filesystem::path(N63K_PROGRAM_DIR) /
                       kLanguages.at(static_cast<std::size_t>(GetParam() - 1)).file,
                   table);
  for (std::size_t i = 0; i < kStringKeys.size(); ++i) {
    const std::string& text = table.All()[i];
    ASSERT_FALSE(text.empty()) << kStringKeys[i];
    EXPECT_EQ(MissingGlyphs(QString::fromStdString(text)), 0) << kStringKeys[i] << ": " << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogFontTest, ::testing::Range(1, kLanguageCount + 1));

// The check itself sees a character no font has.
TEST(DialogFontMissingGlyphsTest, FindsAPrivateUseCharacter) {
  EXPECT_EQ(MissingGlyphs(QStringLiteral("A\U000F0001")), 1);
}

}  // namespace
}  // namespace n63k::ui
