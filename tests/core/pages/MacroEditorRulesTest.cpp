#include <gtest/gtest.h>

#include <vector>

#include "core/pages/MacroEditorRules.h"

namespace n63k {
namespace {

constexpr std::uint32_t Down(std::uint32_t key) {
  return MakeEditorItem(EditorItemType::kKeyDown, key);
}
constexpr std::uint32_t Up(std::uint32_t key) {
  return MakeEditorItem(EditorItemType::kKeyUp, key);
}
constexpr std::uint32_t Delay(std::uint32_t ms) {
  return MakeEditorItem(EditorItemType::kDelay, ms);
}

TEST(MergeAdjacentDelays, SumsRunsOfDelaysUpToTheCap) {
  struct Case {
    const char* name;
    std::vector<std::uint32_t> items;
    std::vector<std::uint32_t> merged;
  };
  const std::vector<Case> cases = {
      {"keys apart",
       {Delay(5), Down(0x41), Delay(7), Up(0x41)},
       {Delay(5), Down(0x41), Delay(7), Up(0x41)}},
      {"a run of three",
       {Down(0x41), Delay(10), Delay(20), Delay(30), Up(0x41)},
       {Down(0x41), Delay(60), Up(0x41)}},
      {"capped sum", {Down(0x41), Delay(325000), Delay(5000)}, {Down(0x41), Delay(327670)}},
      {"a single long delay stays", {Down(0x41), Delay(400000)}, {Down(0x41), Delay(400000)}},
      {"two runs",
       {Delay(1), Delay(2), Down(0x41), Delay(3), Delay(4)},
       {Delay(3), Down(0x41), Delay(7)}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> items = c.items;
    MergeAdjacentDelays(items);
    EXPECT_EQ(items, c.merged) << c.name;
  }
}

TEST(ComposeEditedMacro, CountsTheItemsBeforeTheMergeInTheSize) {
  const auto record = ComposeEditedMacro({Delay(9), Down(0x41), Delay(10), Delay(20), Up(0x41)},
                                         "3", 0x15000001, "m");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->size, 4100u + 4 * 5);
  ASSERT_EQ(record->eventCount, 3u);
  EXPECT_EQ(record->events[1], MakeEvent(MacroEventKind::kDelay, 30));
  EXPECT_EQ(record->loopCount, 3u);
}

}  // namespace
}  // namespace n63k
