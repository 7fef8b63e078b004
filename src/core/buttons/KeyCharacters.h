#pragma once

#include <cstdint>

namespace n63k {

// The character a key types when no modifier is held, as the keyboard layout
// gives it. Names keys that the program's own tables do not; the platform
// layer may answer from the current layout.
class KeyCharacters {
 public:
  virtual ~KeyCharacters() = default;
  // 0 when the key types no character.
  virtual char16_t CharacterOf(std::uint32_t virtualKey) const = 0;
};

// A US keyboard: letters (lower case), digits and the punctuation keys.
class UsKeyCharacters final : public KeyCharacters {
 public:
  char16_t CharacterOf(std::uint32_t virtualKey) const override;
};

}  // namespace n63k
