#include <gtest/gtest.h>

#include <vector>

#include "core/pages/ListItems.h"

namespace n63k {
namespace {

TEST(ListItems, TypeTakesTheTopByteAndPicksTheIcon) {
  struct Case {
    std::uint8_t type;
    std::uint32_t value;
    std::uint32_t data;
    const char* icon;  // unselected icon, empty for none
  };
  const std::vector<Case> cases = {
      {0, 0x15000042, 0x15000042, ""},  // a macro identifier stays whole
      {2, 0x41, 0x02000041, "skins/up_normal.png"},
      {3, 0xFF000041, 0x03000041, "skins/down_normal.png"},
      {4, 0x1234567, 0x04234567, "skins/delay_normal.png"},
      {1, 7, 0x01000007, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListItemData(c.type, c.value), c.data);
    if (c.type != 0) {
      EXPECT_EQ(ListItemType(c.data), c.type);
    }
    const auto icon = ListItemIcon(c.type);
    EXPECT_EQ(icon ? std::string(icon->normal) : std::string(), c.icon);
  }
  EXPECT_EQ(ListItemIcon(4)->selected, "skins/delay_select.png");
}

}  // namespace
}  // namespace n63k
