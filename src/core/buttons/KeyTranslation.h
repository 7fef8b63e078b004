#pragma once

#include <cstdint>

namespace n63k {

// A key of our own window's key events as stored keys name it: the Windows
// virtual-key code that macros and key combinations hold, and whether the key
// is one of the "extended" keys (right-hand modifiers, the navigation block,
// keypad Enter and /, Windows keys, media keys).
struct TranslatedKey {
  std::uint32_t virtualKey = 0;  // 0: a key that no stored key can name
  bool extended = false;
};

// `keysym` is the XKB keysym the key produced, `evdevCode` the key's Linux
// input code (its position on the keyboard). Letters follow the layout, as
// they do on Windows; the digit row and the punctuation keys are named by
// their position on a US keyboard, so a combination stays on the same key
// whatever the layout types there. Keypad keys give the digit codes with Num
// Lock on and the navigation codes without it.
TranslatedKey TranslateKey(std::uint32_t keysym, std::uint32_t evdevCode);

// The flags of a captured key event: bit 0 extended, bit 5 Alt held, bit 7
// release.
std::uint32_t CapturedKeyFlags(const TranslatedKey& key, bool altDown, bool release);

}  // namespace n63k
