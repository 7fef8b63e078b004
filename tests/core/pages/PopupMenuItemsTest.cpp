#include <gtest/gtest.h>

#include <vector>

#include "core/pages/PopupMenuItems.h"

namespace n63k {
namespace {

TEST(PopupMenuItems, CommandKeepsItsLowBitsAndTextIsCutWhole) {
  struct Case {
    std::uint32_t command;
    std::string text;
    std::uint16_t expectedCommand;
    std::string expectedText;
  };
  const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
  const std::vector<Case> cases = {
      {21, "Counter-Strike", 21, "Counter-Strike"},
      {0x12345, "x", 0x2345, "x"},
      {1, std::string(39, 'a'), 1, std::string(39, 'a')},
      {1, std::string(40, 'a'), 1, std::string(39, 'a')},
      {1, std::string(38, 'a') + smile, 1, std::string(38, 'a')},
      {1, std::string(37, 'a') + smile + "b", 1, std::string(37, 'a') + smile},
      {1, "魔兽世界", 1, "魔兽世界"},
  };
  for (const Case& c : cases) {
    const PopupMenuItem item = MakePopupMenuItem(c.command, c.text);
    EXPECT_EQ(item.command, c.expectedCommand);
    EXPECT_EQ(item.text, c.expectedText) << c.text;
  }
}

}  // namespace
}  // namespace n63k
