#pragma once

#include <cstdint>
#include <optional>

#include "core/pages/SkinFiles.h"

namespace n63k {

// What an item of a skinned list carries: the top byte is its type (the
// macro editor's event kinds), the low 24 bits its value. An item without a
// type keeps its caller's 32-bit value whole (macro identifiers).
constexpr std::uint32_t ListItemData(std::uint8_t type, std::uint32_t value) {
  return type == 0 ? value : static_cast<std::uint32_t>(type) << 24 | (value & 0xFFFFFFu);
}

constexpr std::uint8_t ListItemType(std::uint32_t data) {
  return static_cast<std::uint8_t>(data >> 24);
}

// The icon of a typed item (2 key up, 3 key down, 4 delay); none for others.
std::optional<skin_files::ListIcons> ListItemIcon(std::uint8_t type);

// Where an item's text starts. `iconsShown`: the list's last added item had
// a type, which turns icons on for the whole list.
int ListTextLeft(bool iconsShown, std::uint8_t type, int iconWidth);

// The in-place editor takes at most this many characters.
inline constexpr int kListRenameLimit = 20;

}  // namespace n63k
