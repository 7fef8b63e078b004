#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/DeviceBench.h"
#include "core/device/DeviceCommands.h"
#include "core/device/SimulatedMouse.h"

namespace n63k {
namespace {

using test::DeviceBench;
using ::testing::HasSubstr;

TEST(SimulatedMouse, KeepsWhatItIsSentAndPrintsIt) {
  DeviceBench bench;
  KeyMatrix matrix{};
  matrix[0] = 0x00F00001;
  matrix[15] = 0x00020004;
  ColourBlock colours{};
  colours[0] = 0xFF;
  ASSERT_TRUE(WriteKeyMatrix(bench.link, matrix));
  ASSERT_TRUE(SetLedColour(bench.link, 0x00332211));
  ASSERT_TRUE(SetLedEffect(bench.link, {5, 12, 1}));
  ASSERT_TRUE(WriteLedColours(bench.link, colours));
  ASSERT_TRUE(SetProximity(bench.link, kProximityOn));
  ASSERT_TRUE(WriteDpiTable(
      bench.link, {1, 2, 0x80, 0x80, 0x80, 0x80, 0x80, 2, 1, 2, 0x80, 0x80, 0x80, 0x80, 0x80, 2}));
  ASSERT_TRUE(SetDpiStage(bench.link, 2));
  ASSERT_TRUE(SetPollingRate(bench.link, 4));
  const std::uint8_t macroHeader[] = {0x13, 0x01, 0x03, 0x00, 0x02};
  ASSERT_TRUE(bench.link.SendFeature(macroHeader));
  std::vector<std::uint8_t> image(512, 0);
  image[1] = 1;
  image[2] = 0x06;
  image[3] = 0x04;
  ASSERT_TRUE(bench.link.WriteBlock(image));

  const SimulatedMouse::Memory& memory = bench.mouse.memory();
  EXPECT_EQ(memory.keyMatrix, matrix);
  EXPECT_EQ(memory.colour, (std::array<std::uint8_t, 3>{0x11, 0x22, 0x33}));
  EXPECT_EQ(memory.macros[2]->at(3), 0x04);
  EXPECT_EQ(bench.Printed(),
            "firmware 17\n"
            "report-rate 4\n"
            "key-matrix 0x00f00001 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 "
            "0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 "
            "0x00000000 0x00000000 0x00020004\n"
            "dpi-table 01 02 80 80 80 80 80 02 01 02 80 80 80 80 80 02\n"
            "dpi-stages 2\n"
            "colour red 17 green 34 blue 51\n"
            "effect 05 0c 01\n"
            "colour-block ff 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
            "00 00 00 00 00 00 00 00\n"
            "proximity a0\n"
            "macro 1 empty\n"
            "macro 2 empty\n"
            "macro 3 00 01 06 04\n"
            "macro 4 empty\n"
            "macro 5 empty\n"
            "macro 6 empty\n"
            "macro 7 empty\n");
}

TEST(SimulatedMouse, RefusesWhatTheProtocolDoesNotAllow) {
  struct Case {
    std::string name;
    std::vector<std::uint8_t> command;
  };
  const std::vector<Case> cases = {
      {"unknown command", {0x7F}},
      {"macro slot 0", {0x13, 0x01, 0x00, 0x00, 0x02}},
      {"macro slot 8", {0x13, 0x01, 0x08, 0x00, 0x02}},
      {"key matrix of the wrong length", {0x12, 0x01, 0x00, 0x20, 0x00}},
      {"DPI header with the wrong index", {0x11, 0x01, 0x00, 0x10, 0x00}},
      {"set command without 01", {0x0C, 0x00, 0x01, 0x02, 0x03}},
  };
  for (const Case& c : cases) {
    DeviceBench bench;
    EXPECT_FALSE(bench.link.SendFeature(c.command)) << c.name;
  }
}

TEST(SimulatedMouse, TakesDataOnlyForAnAnnouncedBlock) {
  DeviceBench bench;
  const std::array<std::uint8_t, 32> chunk{1};
  EXPECT_FALSE(bench.link.WriteChunk(chunk)) << "no header";
  const std::uint8_t header[] = {0x12, 0x01, 0x00, 0x40, 0x00};
  ASSERT_TRUE(bench.link.SendFeature(header));
  ASSERT_TRUE(bench.link.WriteChunk(chunk));
  // Another command in between drops the half-written key matrix.
  ASSERT_TRUE(SetDpiStage(bench.link, 1));
  EXPECT_FALSE(bench.link.WriteChunk(chunk));
  EXPECT_EQ(bench.mouse.memory().keyMatrix, KeyMatrix{});
}

TEST(SimulatedMouse, RefusesTheNthReportOfAnyKind) {
  // Reports: header 1, chunk 2, chunk 3.
  for (int n = 1; n <= 3; ++n) {
    DeviceBench bench;
    bench.mouse.RefuseReport(n);
    EXPECT_FALSE(WriteKeyMatrix(bench.link, KeyMatrix{1})) << n;
    EXPECT_EQ(bench.mouse.ReportsSent(), n) << n;
  }
}

TEST(SimulatedMouse, AnUnpluggedMouseCannotBeOpenedAgain) {
  DeviceBench bench;
  bench.mouse.UnplugAtReport(2);
  EXPECT_TRUE(SetDpiStage(bench.link, 1));
  EXPECT_FALSE(SetDpiStage(bench.link, 2));
  EXPECT_EQ(bench.mouse.memory().dpiStages, 1);
  EXPECT_EQ(bench.link.Open(), OpenResult::kNotFound);
  EXPECT_THAT(bench.Printed(), HasSubstr("dpi-stages 1\n"));
}

}  // namespace
}  // namespace n63k
