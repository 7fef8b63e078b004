#pragma once

#include <map>
#include <string>
#include <string_view>

namespace n63k {

// The texts of the current language by string key; a key without a text reads
// as the empty text.
class TextTable {
 public:
  const std::string& Get(std::string_view key) const;
  void Set(std::string_view key, std::string text);
  void Clear() { texts_.clear(); }

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

// The language state shared by everything that shows text.
struct Localisation {
  TextTable texts;
  // Selects the Chinese wording of the texts built into the program.
  bool chineseUi = true;
};

}  // namespace n63k
