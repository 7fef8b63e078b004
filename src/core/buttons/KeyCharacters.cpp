#include "core/buttons/KeyCharacters.h"

#include <algorithm>
#include <array>

namespace n63k {
namespace {

struct KeyCharacter {
  std::uint8_t virtualKey;
  char16_t character;
};

// The punctuation keys; letters and digits follow from their codes.
constexpr std::array<KeyCharacter, 11> kPunctuation = {{
    {0xBA, u';'},
    {0xBB, u'='},
    {0xBC, u','},
    {0xBD, u'-'},
    {0xBE, u'.'},
    {0xBF, u'/'},
    {0xC0, u'`'},
    {0xDB, u'['},
    {0xDC, u'\\'},
    {0xDD, u']'},
    {0xDE, u'\''},
}};

}  // namespace

char16_t UsKeyCharacters::CharacterOf(std::uint32_t virtualKey) const {
  if (virtualKey >= 0x30 && virtualKey <= 0x39) {
    return static_cast<char16_t>(virtualKey);
  }
  if (virtualKey >= 0x41 && virtualKey <= 0x5A) {
    return static_cast<char16_t>(virtualKey - 0x41 + u'a');
  }
  const auto it =
      std::find_if(kPunctuation.begin(), kPunctuation.end(),
                   [virtualKey](const KeyCharacter& key) { return key.virtualKey == virtualKey; });
  return it == kPunctuation.end() ? u'\0' : it->character;
}

}  // namespace n63k
