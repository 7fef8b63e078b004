#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/DeviceBench.h"
#include "core/device/DeviceLink.h"

namespace n63k {
namespace {

using test::DeviceBench;
using ::testing::ElementsAre;

std::vector<std::uint8_t> Counting(std::size_t n) {
  std::vector<std::uint8_t> bytes(n);
  for (std::size_t i = 0; i < n; ++i) {
    bytes[i] = static_cast<std::uint8_t>(i);
  }
  return bytes;
}

TEST(DeviceLink, FeatureFramesCarryTheReportIdAndTheReportLength) {
  DeviceBench bench({0x42, 32, 17});
  const std::uint8_t command[] = {0x0B, 0x01, 0x02};
  ASSERT_TRUE(bench.link.SendFeature(command));
  ASSERT_EQ(bench.records.size(), 1u);
  EXPECT_EQ(bench.records[0].frame.size(), 33u);
  EXPECT_EQ(bench.records[0].frame[0], 0x42);
}

TEST(DeviceLink, WriteBlockLengths) {
  struct Case {
    std::size_t length;
    bool result;
    std::size_t reports;
    std::uint64_t endMs;
  };
  for (const Case& c :
       {Case{0, true, 0, 0}, Case{31, false, 0, 0}, Case{33, false, 0, 0}, Case{32, true, 1, 100},
        Case{64, true, 2, 200}, Case{512, true, 16, 1600}}) {
    DeviceBench bench;
    // Something must have announced a block for the mouse to take the data.
    const std::uint8_t header[] = {0x13, 0x01, 0x01, 0x00, 0x02};
    ASSERT_TRUE(bench.link.SendFeature(header));
    bench.records.clear();
    EXPECT_EQ(bench.link.WriteBlock(Counting(c.length)), c.result) << c.length;
    EXPECT_EQ(bench.records.size(), c.reports) << c.length;
    EXPECT_EQ(bench.clock.NowMs(), c.endMs) << c.length;
  }
}

TEST(DeviceLink, WriteBlockSendsChunksInOrderWithPausesAround) {
  DeviceBench bench;
  const std::uint8_t header[] = {0x12, 0x01, 0x00, 0x40, 0x00};
  ASSERT_TRUE(bench.link.SendFeature(header));
  ASSERT_TRUE(bench.link.WriteBlock(Counting(64)));
  EXPECT_THAT(bench.Trace(),
              ElementsAre(bench.Set(0, "12 01 00 40 00"),
                          bench.Out(50,
                                    "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 "
                                    "14 15 16 17 18 19 1a 1b 1c 1d 1e 1f"),
                          bench.Out(150,
                                    "20 21 22 23 24 25 26 27 28 29 2a 2b 2c 2d 2e 2f 30 31 32 33 "
                                    "34 35 36 37 38 39 3a 3b 3c 3d 3e 3f")));
  EXPECT_EQ(bench.clock.NowMs(), 200u);
}

TEST(DeviceLink, PendingWritesAreWaitedForAtMost1500Ms) {
  struct Case {
    std::uint32_t completesAfterMs;
    bool result;
    std::size_t reports;
    std::uint64_t endMs;
  };
  // The pending report is the first of two; the pause after it overlaps the
  // wait. One that never completes in time counts as done after the wait.
  for (const Case& c :
       {Case{30, true, 2, 200}, Case{50, true, 2, 200}, Case{800, true, 2, 950},
        Case{1550, true, 2, 1700}, Case{1551, true, 2, 1700}, Case{60000, true, 2, 1700}}) {
    DeviceBench bench;
    const std::uint8_t header[] = {0x12, 0x01, 0x00, 0x40, 0x00};
    ASSERT_TRUE(bench.link.SendFeature(header));
    bench.mouse.LeaveWritePending(2, c.completesAfterMs);
    EXPECT_EQ(bench.link.WriteBlock(Counting(64)), c.result) << c.completesAfterMs;
    EXPECT_EQ(bench.records.size(), c.reports + 1) << c.completesAfterMs;
    EXPECT_EQ(bench.clock.NowMs(), c.endMs) << c.completesAfterMs;
  }
}

TEST(DeviceLink, TransfersFailOnceTheMouseIsGone) {
  DeviceBench bench;
  bench.mouse.Unplug();
  const std::uint8_t command[] = {0x01, 0x01};
  EXPECT_FALSE(bench.link.SendFeature(command));
  EXPECT_FALSE(bench.link.ReadFeature().has_value());
  EXPECT_FALSE(bench.link.WriteBlock(Counting(32)));
  EXPECT_EQ(bench.link.Open(), OpenResult::kNotFound);
}

}  // namespace
}  // namespace n63k
