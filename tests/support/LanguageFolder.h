#pragma once

#include <filesystem>
#include <string>

#include "core/i18n/Languages.h"
#include "core/i18n/TextTable.h"
#include "support/TestFiles.h"

namespace n63k::test {

// The short name of a language's file, "sc" for "Language/sc.xml".
inline std::string LanguageTag(const Language& language) {
  return std::filesystem::path(language.file).stem().string();
}

// Gives a program folder twelve small language files that tell which one was
// loaded: each has str_ok set to its tag, str_msg2 to its tag and " %s", and
// str_msg5 to its tag and " denied".
inline void WriteTaggedLanguageFiles(const std::filesystem::path& programFolder) {
  for (const Language& language : kLanguages) {
    const std::string tag = LanguageTag(language);
    WriteText(programFolder / language.file, "<r><config><str_ok>" + tag + "</str_ok><str_msg2>" +
                                                 tag + " %s</str_msg2><str_msg5>" + tag +
                                                 " denied</str_msg5></config></r>");
  }
}

// A text table in which every key's text is the key's own name, so a test
// sees which key a caption or hint shows.
inline TextTable::Texts KeyNameTexts() {
  TextTable::Texts texts;
  for (std::size_t i = 0; i < kStringKeyCount; ++i) {
    texts[i] = std::string(kStringKeys[i]);
  }
  return texts;
}

// The installation language of a program folder, as skins/languagetype.ini.
inline void WriteLanguageType(const std::filesystem::path& programFolder, int value) {
  WriteText(programFolder / "skins" / "languagetype.ini",
            "[languagetype]\nvalue=" + std::to_string(value) + "\n");
}

}  // namespace n63k::test
