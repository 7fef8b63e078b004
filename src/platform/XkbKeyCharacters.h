#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/buttons/KeyCharacters.h"

struct xkb_keymap;

namespace n63k {

// The characters of the user's keyboard layout, from XKB, for the keys that
// the program's own name table does not name: a key named by its code gets
// the character its key types without modifiers, upper case where the
// layout has one; a key that no key of the layout produces gets the
// character of the key at its US position.
class XkbKeyCharacters final : public KeyCharacters {
 public:
  // The layout that the X display's keyboard uses now; without an X display,
  // the one XKB's defaults give (XKB_DEFAULT_LAYOUT, else US).
  static std::unique_ptr<XkbKeyCharacters> FromSession();
  // A layout by its XKB name ("de", "fr"); null when XKB does not have it.
  static std::unique_ptr<XkbKeyCharacters> FromLayout(const std::string& layout);

  char16_t CharacterOf(std::uint32_t virtualKey) const override;

 private:
  XkbKeyCharacters(xkb_keymap* keymap, std::uint32_t layout);

  std::array<char16_t, 256> characters_{};
};

}  // namespace n63k
