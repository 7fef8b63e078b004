#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/base/Utf.h"
#include "core/macro/MacroComposer.h"
#include "core/pages/MacroEditorRules.h"
#include "support/Macros.h"

namespace n63k {
namespace {

using test::DelayItem;
using test::DownItem;
using test::UpItem;

class ParseLoopCountTest : public ::testing::TestWithParam<std::pair<std::string, std::uint32_t>> {
};

TEST_P(ParseLoopCountTest, ReadsTheLoopField) {
  EXPECT_EQ(ParseLoopCount(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseLoopCountTest,
                         ::testing::Values(std::pair<std::string, std::uint32_t>{"", 1},
                                           std::pair<std::string, std::uint32_t>{"0", 1},
                                           std::pair<std::string, std::uint32_t>{"00000", 1},
                                           std::pair<std::string, std::uint32_t>{"abc", 1},
                                           std::pair<std::string, std::uint32_t>{"12a", 1},
                                           std::pair<std::string, std::uint32_t>{" 5", 1},
                                           std::pair<std::string, std::uint32_t>{"+5", 1},
                                           std::pair<std::string, std::uint32_t>{"-5", 1},
                                           std::pair<std::string, std::uint32_t>{"1", 1},
                                           std::pair<std::string, std::uint32_t>{"00012", 12},
                                           std::pair<std::string, std::uint32_t>{"65533", 65533},
                                           std::pair<std::string, std::uint32_t>{"65534", 65533},
                                           std::pair<std::string, std::uint32_t>{"99999", 65533},
                                           std::pair<std::string, std::uint32_t>{
                                               "123456789012345678901234567890", 65533}));

struct ComposeCase {
  const char* what;
  std::size_t countBeforeMerge;
  std::vector<std::uint32_t> items;
  std::string loopText;
  std::vector<MacroEvent> events;
  std::uint32_t loopCount;
};

class ComposeMacroRecordTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeMacroRecordTest, BuildsTheRecord) {
  const ComposeCase& c = GetParam();
  const std::optional<MacroRecord> record =
      ComposeMacroRecord(c.countBeforeMerge, c.items, c.loopText, 0x15ABCDEF, "name");
  ASSERT_TRUE(record.has_value()) << c.what;
  EXPECT_EQ(record->size, 4100 + 4 * c.countBeforeMerge) << c.what;
  EXPECT_EQ(record->magic, 0xE8E80010u);
  EXPECT_EQ(record->identifier, 0x15ABCDEFu);
  EXPECT_EQ(record->reserved, 0u);
  EXPECT_EQ(record->loopCount, c.loopCount) << c.what;
  EXPECT_EQ(std::vector<MacroEvent>(EventsOf(*record).begin(), EventsOf(*record).end()), c.events)
      << c.what;
  EXPECT_EQ(record->events[c.events.size()], 0u) << c.what;
  EXPECT_EQ(FixedText(record->name), "name");
}

INSTANTIATE_TEST_SUITE_P(
    EditorLists, ComposeMacroRecordTest,
    ::testing::Values(ComposeCase{"one key press", 1, {DownItem(0x41)}, "7", {0xC0000041}, 0xFFFE},
                      ComposeCase{"one key release", 1, {UpItem(0x41)}, "7", {0xE0000041}, 7},
                      ComposeCase{"press then delay",
                                  2,
                                  {DownItem(0x41), DelayItem(30)},
                                  "",
                                  {0xC0000041, 0xA000001E},
                                  1},
                      ComposeCase{"press and release",
                                  3,
                                  {DownItem(1), DelayItem(120), UpItem(1)},
                                  "99999",
                                  {0xC0000001, 0xA0000078, 0xE0000001},
                                  65533},
                      ComposeCase{"leading and merged delays still count in the size",
                                  6,
                                  {DelayItem(150), DownItem(0x41), DelayItem(20), UpItem(0x41)},
                                  "2",
                                  {0xC0000041, 0xA0000014, 0xE0000041},
                                  2},
                      ComposeCase{"a press after leading delays is a single press",
                                  3,
                                  {DelayItem(5), DelayItem(6), DownItem(0x41)},
                                  "3",
                                  {0xC0000041},
                                  0xFFFE},
                      ComposeCase{"items of another type are left out",
                                  2,
                                  {MakeEditorItem(EditorItemType{9}, 0x41), DownItem(0x41)},
                                  "3",
                                  {0xC0000041},
                                  0xFFFE},
                      ComposeCase{
                          "values keep 24 bits", 1, {UpItem(0xFFFFFF)}, "1", {0xE0FFFFFF}, 1}));

TEST(ComposeMacroRecord, EmptyListOrOnlyDelaysGiveNoRecord) {
  EXPECT_FALSE(ComposeMacroRecord(0, {}, "1", 1, "x").has_value());
  const std::vector<std::uint32_t> delays = {DelayItem(10), DelayItem(20)};
  EXPECT_FALSE(ComposeMacroRecord(2, delays, "1", 1, "x").has_value());
}

TEST(ComposeMacroRecord, KeepsTheFirstThousandEvents) {
  // The recorder's most: 999 keys and the delays between them.
  std::vector<std::uint32_t> items;
  for (std::uint32_t i = 0; i < 999; ++i) {
    if (i > 0) {
      items.push_back(DelayItem(i));
    }
    items.push_back(DownItem(0x41));
  }
  const std::optional<MacroRecord> record = ComposeMacroRecord(items.size(), items, "1", 1, "long");
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->eventCount, 1000u);
  EXPECT_EQ(record->events[998], 0xC0000041u);
  EXPECT_EQ(record->events[999], 0xA00001F4u);  // the delay before the 501st key
  EXPECT_EQ(record->size, 4100u + 4 * 1997);
}

TEST(ComposeMacroRecord, CutsTheNameToThirtyNineCharacters) {
  const std::vector<std::uint32_t> items = {DownItem(0x41)};
  const std::string longName(50, 'n');
  const std::optional<MacroRecord> record = ComposeMacroRecord(1, items, "1", 1, longName);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(FixedText(record->name), std::string(39, 'n'));
  const std::optional<MacroRecord> chinese = ComposeMacroRecord(1, items, "1", 1, "新建宏");
  EXPECT_EQ(FixedText(chinese->name), "新建宏");
}

}  // namespace
}  // namespace n63k
