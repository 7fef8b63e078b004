#include "core/pages/PopupMenuItems.h"

#include "core/base/Utf.h"

namespace n63k {

PopupMenuItem MakePopupMenuItem(std::uint32_t command, std::string_view text) {
  std::u16string units = Utf8ToUtf16(text);
  if (units.size() > kPopupMenuTextUnits) {
    std::size_t cut = kPopupMenuTextUnits;
    // A surrogate pair is kept whole or left out whole.
    if (units[cut - 1] >= 0xD800 && units[cut - 1] <= 0xDBFF) {
      --cut;
    }
    units.resize(cut);
  }
  return {static_cast<std::uint16_t>(command & 0xFFFFu), Utf16ToUtf8(units)};
}

}  // namespace n63k
