#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/pages/MacroEditorRules.h"
#include "support/Macros.h"

namespace n63k {
namespace {

using test::DelayItem;
using test::DownItem;
using test::UpItem;

TEST(MergeAdjacentDelays, SumsRunsOfDelaysUpToTheCap) {
  struct Case {
    const char* name;
    std::vector<std::uint32_t> items;
    std::vector<std::uint32_t> merged;
  };
  const std::vector<Case> cases = {
      {"keys apart",
       {DelayItem(5), DownItem(0x41), DelayItem(7), UpItem(0x41)},
       {DelayItem(5), DownItem(0x41), DelayItem(7), UpItem(0x41)}},
      {"a run of three",
       {DownItem(0x41), DelayItem(10), DelayItem(20), DelayItem(30), UpItem(0x41)},
       {DownItem(0x41), DelayItem(60), UpItem(0x41)}},
      {"capped sum",
       {DownItem(0x41), DelayItem(325000), DelayItem(5000)},
       {DownItem(0x41), DelayItem(327670)}},
      {"a single long delay stays",
       {DownItem(0x41), DelayItem(400000)},
       {DownItem(0x41), DelayItem(400000)}},
      {"two runs",
       {DelayItem(1), DelayItem(2), DownItem(0x41), DelayItem(3), DelayItem(4)},
       {DelayItem(3), DownItem(0x41), DelayItem(7)}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> items = c.items;
    MergeAdjacentDelays(items);
    EXPECT_EQ(items, c.merged) << c.name;
  }
}

TEST(MergeAdjacentDelays, TheSelectionFollowsItsItemOrTheDelayItWentInto) {
  const std::vector<std::uint32_t> items = {DelayItem(1), DelayItem(2), DownItem(0x41),
                                            DelayItem(3), DelayItem(4)};
  // Selected before the merge, and after it.
  const std::vector<std::pair<int, int>> cases = {{-1, -1}, {0, 0}, {1, 0}, {2, 1},
                                                  {3, 2},   {4, 2}, {5, -1}};
  for (const auto& [before, after] : cases) {
    std::vector<std::uint32_t> merged = items;
    int selected = before;
    MergeAdjacentDelays(merged, selected);
    EXPECT_EQ(selected, after) << "selected " << before;
    EXPECT_EQ(merged, (std::vector<std::uint32_t>{DelayItem(3), DownItem(0x41), DelayItem(7)}));
  }
}

TEST(ComposeEditedMacro, CountsTheItemsBeforeTheMergeInTheSize) {
  const auto record =
      ComposeEditedMacro({DelayItem(9), DownItem(0x41), DelayItem(10), DelayItem(20), UpItem(0x41)},
                         "3", 0x15000001, "m");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->size, 4100u + 4 * 5);
  ASSERT_EQ(record->eventCount, 3u);
  EXPECT_EQ(record->events[1], MakeEvent(MacroEventKind::kDelay, 30));
  EXPECT_EQ(record->loopCount, 3u);
}

}  // namespace
}  // namespace n63k
