#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/device/DeviceBench.h"
#include "core/device/DeviceCommands.h"

namespace n63k {
namespace {

using test::DeviceBench;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const DpiBlock kDpi = {0x03, 0x05, 0x06, 0x08, 0x0A, 0x0E, 0x28, 0x02,
                       0x03, 0x05, 0x06, 0x08, 0x0A, 0x0E, 0x28, 0x02};
const std::string kDpiHex = "03 05 06 08 0a 0e 28 02 03 05 06 08 0a 0e 28 02";

TEST(DeviceCommands, FramesAndPausesOfEveryCommand) {
  struct Case {
    std::string name;
    std::function<bool(DeviceLink&)> command;
    // Expected lines, built on the bench so they use its report ID and length.
    std::function<std::vector<std::string>(const DeviceBench&)> trace;
    std::uint64_t endMs;
  };
  KeyMatrix matrix{};
  for (std::size_t i = 0; i < matrix.size(); ++i) {
    matrix[i] = 0x01000000u * static_cast<std::uint32_t>(i) + 0x00F00001u;
  }
  ColourBlock colours{};
  colours[0] = 0x11;
  colours[8] = 0x99;
  colours[31] = 0xFF;
  const std::vector<Case> cases = {
      {"polling rate 3 goes out as 2", [](DeviceLink& l) { return SetPollingRate(l, 3); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "01 02")}; }, 0},
      {"polling rate 8", [](DeviceLink& l) { return SetPollingRate(l, 8); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "01 08")}; }, 0},
      {"polling rate 1", [](DeviceLink& l) { return SetPollingRate(l, 1); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "01 01")}; }, 0},
      {"polling rate 4", [](DeviceLink& l) { return SetPollingRate(l, 4); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "01 04")}; }, 0},
      {"polling rate 0 goes out as 2", [](DeviceLink& l) { return SetPollingRate(l, 0); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "01 02")}; }, 0},
      {"proximity on", [](DeviceLink& l) { return SetProximity(l, kProximityOn); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "03 a0")}; }, 0},
      {"proximity off", [](DeviceLink& l) { return SetProximity(l, kProximityOff); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "03 b0")}; }, 0},
      {"DPI stage", [](DeviceLink& l) { return SetDpiStage(l, 3); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "0b 01 03")}; }, 0},
      {"LED colour: green, red, blue", [](DeviceLink& l) { return SetLedColour(l, 0xAA332211); },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "0c 01 22 11 33")}; }, 0},
      {"LED effect",
       [](DeviceLink& l) {
         return SetLedEffect(l, {5, 0x0C, 1});
       },
       [](const DeviceBench& b) { return std::vector{b.Set(0, "0d 01 05 0c 01")}; }, 0},
      {"DPI table", [](DeviceLink& l) { return WriteDpiTable(l, kDpi); },
       [](const DeviceBench& b) {
         return std::vector{b.Set(0, "11 01 07 10 00"), b.Out(50, kDpiHex)};
       },
       100},
      {"three-colour block", [&colours](DeviceLink& l) { return WriteLedColours(l, colours); },
       [](const DeviceBench& b) {
         return std::vector{b.Set(0, "09 01 00 20 00"),
                            b.Out(50,
                                  "11 00 00 00 00 00 00 00 99 00 00 00 00 00 00 00 00 00 00 00 00 "
                                  "00 00 00 00 00 00 00 00 00 00 ff")};
       },
       100},
      {"key matrix", [&matrix](DeviceLink& l) { return WriteKeyMatrix(l, matrix); },
       [](const DeviceBench& b) {
         return std::vector{b.Set(0, "12 01 00 40 00"),
                            b.Out(150,
                                  "01 00 f0 00 01 00 f0 01 01 00 f0 02 01 00 f0 03 01 00 f0 04 01 "
                                  "00 f0 05 01 00 f0 06 01 00 f0 07"),
                            b.Out(250,
                                  "01 00 f0 08 01 00 f0 09 01 00 f0 0a 01 00 f0 0b 01 00 f0 0c 01 "
                                  "00 f0 0d 01 00 f0 0e 01 00 f0 0f")};
       },
       300},
  };
  for (const SimulatedMouse::Settings settings :
       {SimulatedMouse::Settings{}, SimulatedMouse::Settings{0x42, 8, 17}}) {
    for (const Case& c : cases) {
      DeviceBench bench(settings);
      EXPECT_TRUE(c.command(bench.link)) << c.name;
      EXPECT_THAT(bench.Trace(), ElementsAreArray(c.trace(bench))) << c.name;
      EXPECT_EQ(bench.clock.NowMs(), c.endMs) << c.name;
    }
  }
}

TEST(DeviceCommands, ReadsTheFirmwareVersion) {
  DeviceBench bench;
  EXPECT_EQ(ReadFirmwareVersion(bench.link), 17u);
  EXPECT_THAT(bench.Trace(), ElementsAre(bench.Set(0, "80"), bench.Get(50, "80 01 07")));
  EXPECT_EQ(bench.clock.NowMs(), 50u);
}

TEST(DeviceCommands, OddVersionRepliesGiveNoVersion) {
  {
    DeviceBench bench;
    bench.mouse.AnswerVersionWith(0x00);
    EXPECT_EQ(ReadFirmwareVersion(bench.link), std::nullopt);
  }
  {
    DeviceBench bench;
    bench.mouse.RefuseReport(1);
    EXPECT_EQ(ReadFirmwareVersion(bench.link), std::nullopt);
    EXPECT_EQ(bench.clock.NowMs(), 0u) << "no pause after a refused request";
    EXPECT_EQ(bench.records.size(), 1u);
  }
  {
    DeviceBench bench;
    bench.mouse.UnplugAtReport(2);
    ASSERT_TRUE(SetDpiStage(bench.link, 1));
    EXPECT_EQ(ReadFirmwareVersion(bench.link), std::nullopt);
  }
  {
    // A report of two bytes cannot carry the version.
    DeviceBench bench({5, 2, 17});
    EXPECT_EQ(ReadFirmwareVersion(bench.link), std::nullopt);
  }
}

TEST(DeviceCommands, ARefusedHeaderSendsNoData) {
  const std::vector<std::function<bool(DeviceLink&)>> commands = {
      [](DeviceLink& l) { return WriteDpiTable(l, kDpi); },
      [](DeviceLink& l) { return WriteLedColours(l, ColourBlock{}); },
      [](DeviceLink& l) { return WriteKeyMatrix(l, KeyMatrix{}); },
  };
  for (const auto& command : commands) {
    DeviceBench bench;
    bench.mouse.RefuseReport(1);
    EXPECT_FALSE(command(bench.link));
    EXPECT_EQ(bench.records.size(), 1u);
    EXPECT_EQ(bench.clock.NowMs(), 0u);
  }
}

TEST(DeviceCommands, ARefusedDataReportFailsTheCommand) {
  struct Case {
    std::string name;
    std::function<bool(DeviceLink&)> command;
    int refused;
    std::size_t reports;
    std::uint64_t endMs;
  };
  const std::vector<Case> cases = {
      {"DPI data", [](DeviceLink& l) { return WriteDpiTable(l, kDpi); }, 2, 2, 100},
      {"colour data", [](DeviceLink& l) { return WriteLedColours(l, ColourBlock{}); }, 2, 2, 100},
      {"first key-matrix chunk", [](DeviceLink& l) { return WriteKeyMatrix(l, KeyMatrix{}); }, 2, 2,
       200},
      {"second key-matrix chunk", [](DeviceLink& l) { return WriteKeyMatrix(l, KeyMatrix{}); }, 3,
       3, 300},
  };
  for (const Case& c : cases) {
    DeviceBench bench;
    bench.mouse.RefuseReport(c.refused);
    EXPECT_FALSE(c.command(bench.link)) << c.name;
    EXPECT_EQ(bench.records.size(), c.reports) << c.name;
    EXPECT_EQ(bench.clock.NowMs(), c.endMs) << c.name;
  }
}

TEST(DeviceCommands, CommandsThatDoNotFitTheReportAreNotSent) {
  DeviceBench bench({5, 4, 17});
  EXPECT_FALSE(SetLedColour(bench.link, 0x112233));
  EXPECT_TRUE(SetDpiStage(bench.link, 2));
  EXPECT_THAT(bench.Trace(), ElementsAre(bench.Set(0, "0b 01 02")));
}

}  // namespace
}  // namespace n63k
