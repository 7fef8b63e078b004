#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/i18n/TextTable.h"
#include "core/xml/XmlDocument.h"

namespace n63k {

// The text of the element `key` in the element `section` under the root of
// `document`. The positions are reset first; only the first `section` under
// the root is taken. When it lacks `key`, the search goes on in the first
// `section` among its children, and so on downwards. Empty when nothing is
// found.
std::string GetSectionText(XmlDocument& document, std::string_view section, std::string_view key);

// The text of every string key in the first "config" element of a language
// document, in table order; a missing key gives the empty text.
TextTable::Texts ReadLanguageTexts(XmlDocument& document);

// Reads a language file into a document of its own and fills the whole table
// from it, well-formed or not. A file that cannot be read empties every text.
void LoadLanguageFile(const std::filesystem::path& path, TextTable& table);

}  // namespace n63k
