#include "core/pages/ListItems.h"

namespace n63k {

std::optional<skin_files::ListIcons> ListItemIcon(std::uint8_t type) {
  switch (type) {
    case 2:
      return skin_files::kListIconUp;
    case 3:
      return skin_files::kListIconDown;
    case 4:
      return skin_files::kListIconDelay;
    default:
      return std::nullopt;
  }
}

int ListTextLeft(bool iconsShown, std::uint8_t type, int iconWidth) {
  constexpr int kPlainLeft = 5;
  constexpr int kIconGap = 10;
  return iconsShown && type != 0 ? iconWidth + kIconGap : kPlainLeft;
}

}  // namespace n63k
