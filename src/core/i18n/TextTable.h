#pragma once

#include <array>
#include <string>

#include "core/i18n/StringKeys.h"

namespace n63k {

// The texts of the current language, one per string key in table order; a key
// that the language file lacks reads as the empty text.
class TextTable {
 public:
  using Texts = std::array<std::string, kStringKeyCount>;

  const std::string& Get(StringKey key) const { return texts_[key.Index()]; }
  void Set(StringKey key, std::string text) { texts_[key.Index()] = std::move(text); }

  // All texts in table order.
  const Texts& All() const { return texts_; }
  // Every load of a language file fills the whole table.
  void Replace(Texts texts) { texts_ = std::move(texts); }

 private:
  Texts texts_;
};

// The language state shared by everything that shows text.
struct Localisation {
  TextTable texts;
  // Selects the Chinese wording of the texts built into the program; set at
  // start-up from the installation language, then by every language switch.
  bool chineseUi = true;
  // The installation language's choice, set once at start-up; the statistics
  // page lays itself out by it.
  bool startupChineseUi = false;
};

}  // namespace n63k
