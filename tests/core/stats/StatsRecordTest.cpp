#include <gtest/gtest.h>

#include <vector>

#include "core/stats/StatsRecord.h"

namespace n63k {
namespace {

TEST(StatsLevels, EachBoundStartsTheNextLevel) {
  const std::vector<std::pair<std::uint32_t, int>> cases = {
      {0, 0},           {99'999, 0},       {100'000, 1},      {499'999, 1},
      {500'000, 2},     {3'999'999, 7},    {4'000'000, 8},    {9'999'999, 11},
      {10'000'000, 12}, {0x80000000u, 12}, {0xFFFFFFFFu, 12},
  };
  for (const auto& [count, level] : cases) {
    EXPECT_EQ(LevelOfCount(count), level) << count;
  }
}

TEST(StatsLevels, TheBarGrowsAThirteenthPerLevel) {
  const std::vector<std::pair<int, int>> cases = {{0, 21}, {1, 42}, {5, 126}, {12, 273}};
  for (const auto& [level, width] : cases) {
    EXPECT_EQ(LevelBarWidth(level), width) << level;
  }
}

TEST(StatsFigures, CountsPrintSignedAndTheDistanceInTenThousandsAlwaysPositive) {
  EXPECT_EQ(CountText(12), "12");
  EXPECT_EQ(CountText(0x80000000u), "-2147483648");
  EXPECT_EQ(CountText(0xFFFFFFFFu), "-1");
  EXPECT_EQ(DistanceText(123'456), "12.35");
  EXPECT_EQ(DistanceText(0), "0.00");
  EXPECT_EQ(DistanceText(0x80000000u), "214748.36");
}

TEST(StatsRecordBytes, SixLittleEndianFieldsAndShortInputLeavesZeros) {
  const StatsRecord record{1, 0x0203, 0x040506, 0x0708090A, 0xFFFFFFFF, 42};
  const auto bytes = EncodeStats(record);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[4], 0x03);
  EXPECT_EQ(bytes[5], 0x02);
  EXPECT_EQ(bytes[12], 0x0A);
  EXPECT_EQ(bytes[15], 0x07);
  EXPECT_EQ(bytes[20], 42);
  EXPECT_EQ(DecodeStats(bytes), record);

  const std::vector<std::uint8_t> shortFile(bytes.begin(), bytes.begin() + 6);
  EXPECT_EQ(DecodeStats(shortFile), (StatsRecord{1, 0x0203, 0, 0, 0, 0}));
}

TEST(StatsTotals, WrapAtTwoToTheThirtyTwo) {
  const StatsRecord record{0xFFFFFFFFu, 2, 0, 0xFFFFFFF0u, 0x20, 0};
  EXPECT_EQ(ClickTotal(record), 1u);
  EXPECT_EQ(WheelTotal(record), 0x10u);
}

}  // namespace
}  // namespace n63k
