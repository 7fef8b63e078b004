#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/buttons/KeyCharacters.h"

namespace n63k {

// A key's name by Windows virtual-key code.
struct KeyName {
  std::uint8_t code;
  std::string_view name;
};

// How keys and key combinations are shown on the key-combination page and in
// the captions of combination assignments. A key that the program's own table
// does not name reads as the character it types, upper case for a letter, or
// as the empty text when it types none.
std::string GetKeyName(std::uint32_t virtualKey, const KeyCharacters& characters);

// The caption of a key-combination device word: the modifiers in the order
// Shift, Ctrl, Alt, Win joined by " + ", then " + " and the key, e.g.
// "Shift + Ctrl + C"; without modifiers only the key.
std::string GetComboText(std::uint32_t deviceWord, const KeyCharacters& characters);

// The 106 names of the macro editor in search order.
std::span<const KeyName> MacroKeyNames();

// The name of a macro key event's key; only the low 8 bits of `code` count.
// Empty when the table has none.
std::string_view GetMacroKeyName(std::uint32_t code);

}  // namespace n63k
