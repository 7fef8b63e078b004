#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace n63k {

// An item of a pop-up menu that a page opens (the macro page's game groups):
// the number reported back when it is chosen, and its text.
struct PopupMenuItem {
  std::uint16_t command = 0;
  std::string text;
};

// The longest text an item shows, in UTF-16 code units.
inline constexpr std::size_t kPopupMenuTextUnits = 39;

// An item for `command`, of which only the low 16 bits come back with a
// choice, with `text` cut to what an item shows, never inside a character.
PopupMenuItem MakePopupMenuItem(std::uint32_t command, std::string_view text);

}  // namespace n63k
