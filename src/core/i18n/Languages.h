#pragma once

#include <array>
#include <string_view>

namespace n63k {

// The twelve languages, by language number 1 to 12.
inline constexpr int kLanguageCount = 12;
inline constexpr int kLanguageChinese = 1;  // Simplified Chinese
inline constexpr int kLanguageEnglish = 2;

struct Language {
  std::string_view menuName;  // in the language menu, always in English
  std::string_view file;      // below the program folder
};

// Language number n is entry n - 1.
inline constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {"Chinese", "Language/sc.xml"},
    {"English", "Language/en.xml"},
    {"French", "Language/fre.xml"},
    {"Korean", "Language/kor.xml"},
    {"German", "Language/ger.xml"},
    {"Italian", "Language/ita.xml"},
    {"Spanish", "Language/span.xml"},
    {"Dutch", "Language/dutch.xml"},
    {"Portuguese", "Language/pt.xml"},
    {"Russian", "Language/rus.xml"},
    {"Ukrainian", "Language/ukr.xml"},
    {"Trad.Chinese", "Language/tw.xml"},
}};

// The language of number `number`, or nullptr when there is none.
constexpr const Language* FindLanguage(int number) {
  return number >= 1 && number <= kLanguageCount ? &kLanguages[static_cast<std::size_t>(number - 1)]
                                                 : nullptr;
}

}  // namespace n63k
