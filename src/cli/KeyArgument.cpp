#include "cli/KeyArgument.h"

#include <algorithm>

#include "core/buttons/KeyCharacters.h"
#include "core/buttons/KeyNames.h"
#include "core/buttons/KeyUsage.h"

namespace n63k::cli {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

std::vector<NamedKey> CombinationKeys() {
  const UsKeyCharacters characters;
  std::vector<NamedKey> keys;
  for (const KeyUsagePair& pair : ComboKeyTable()) {
    // The keypad's Enter shares its virtual-key code with Enter, which the
    // page captures as Enter.
    if (UsageFromKey(pair.virtualKey) != pair.usage) {
      continue;
    }
    std::string name = GetKeyName(pair.virtualKey, characters);
    if (!name.empty()) {
      keys.push_back({std::move(name), pair.virtualKey, pair.usage});
    }
  }
  return keys;
}

std::optional<std::uint32_t> FindCombinationKey(std::string_view name) {
  for (const NamedKey& key : CombinationKeys()) {
    if (SameIgnoringCase(key.name, name)) {
      return key.virtualKey;
    }
  }
  return std::nullopt;
}

}  // namespace n63k::cli
