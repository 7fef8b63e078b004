#include "core/i18n/TextTable.h"

namespace n63k {

const std::string& TextTable::Get(std::string_view key) const {
  static const std::string kEmpty;
  const auto it = texts_.find(key);
  return it == texts_.end() ? kEmpty : it->second;
}

void TextTable::Set(std::string_view key, std::string text) {
  texts_.insert_or_assign(std::string(key), std::move(text));
}

}  // namespace n63k
