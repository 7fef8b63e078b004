#include "core/i18n/LanguageFile.h"

namespace n63k {

std::string GetSectionText(XmlDocument& document, std::string_view section, std::string_view key) {
  document.ResetPosition();
  while (document.FindChildElement(section)) {
    document.EnterElement();
    if (document.FindChildElement(key)) {
      return document.GetChildTextUtf8();
    }
  }
  return {};
}

TextTable::Texts ReadLanguageTexts(XmlDocument& document) {
  TextTable::Texts texts;
  for (std::size_t i = 0; i < kStringKeys.size(); ++i) {
    texts[i] = GetSectionText(document, "config", kStringKeys[i]);
  }
  return texts;
}

void LoadLanguageFile(const std::filesystem::path& path, TextTable& table) {
  XmlDocument document;
  document.LoadFile(path);
  table.Replace(ReadLanguageTexts(document));
}

}  // namespace n63k
