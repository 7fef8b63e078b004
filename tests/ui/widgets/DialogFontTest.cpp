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

// The characters of `text` that no font the dialog font falls back to has:
// they would show as empty boxes.
QString MissingGlyphs(const QString& text) {
  QTextLayout layout(text, DialogFont(14));
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QString missing;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<qsizetype> characters = run.stringIndexes();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      if (glyphs[i] == 0 && i < characters.size()) {
        missing += text.at(characters[i]);
      }
    }
  }
  return missing;
}

class DialogFontTest : public ::testing::TestWithParam<int> {};

// Every text of every shipped language, Korean and both Chinese scripts
// included, draws with real glyphs.
TEST_P(DialogFontTest, DrawsEveryTextOfTheLanguage) {
  TextTable table;
  LoadLanguageFile(std::filesystem::path(N63K_PROGRAM_DIR) / FindLanguage(GetParam())->file, table);
  for (std::size_t i = 0; i < kStringKeys.size(); ++i) {
    const std::string& text = table.All()[i];
    ASSERT_FALSE(text.empty()) << kStringKeys[i];
    EXPECT_EQ(MissingGlyphs(QString::fromStdString(text)), QString()) << kStringKeys[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogFontTest, ::testing::Range(1, kLanguageCount + 1));

// The check itself sees a character no font has.
TEST(DialogFontMissingGlyphsTest, FindsAPrivateUseCharacter) {
  EXPECT_FALSE(MissingGlyphs(QStringLiteral("A\U000F0001")).isEmpty());
}

}  // namespace
}  // namespace n63k::ui
