#include <gtest/gtest.h>

#include <vector>

#include "core/macro/MacroEncoder.h"
#include "support/Macros.h"

namespace n63k {
namespace {

constexpr MacroEvent Down(std::uint32_t key) {
  return MakeEvent(MacroEventKind::kKeyDown, key);
}
constexpr MacroEvent Up(std::uint32_t key) {
  return MakeEvent(MacroEventKind::kKeyUp, key);
}
constexpr MacroEvent Wait(std::uint32_t ms) {
  return MakeEvent(MacroEventKind::kDelay, ms);
}

MacroRecord Record(std::uint32_t loopCount, const std::vector<MacroEvent>& events) {
  return test::StoredMacro(1, "m", events, loopCount);
}

// `image` is the start of the image, worked out by hand; every later byte is 0.
struct ImageCase {
  const char* what;
  std::uint32_t loopCount;
  std::vector<MacroEvent> events;
  std::vector<std::uint8_t> image;
  std::size_t wordCount;
};

class EncodeMacroTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(EncodeMacroTest, MatchesTheImageWorkedOutByHand) {
  const ImageCase& c = GetParam();
  const MacroImage result = EncodeMacro(Record(c.loopCount, c.events));
  std::array<std::uint8_t, kMacroImageBytes> expected{};
  std::copy(c.image.begin(), c.image.end(), expected.begin());
  EXPECT_EQ(result.bytes, expected) << c.what;
  EXPECT_EQ(result.wordCount, c.wordCount) << c.what;
}

constexpr std::uint32_t A = 0x41;

INSTANTIATE_TEST_SUITE_P(
    Macros, EncodeMacroTest,
    ::testing::Values(
        ImageCase{"no events", 1, {}, {0x00, 0x01}, 1},
        ImageCase{"loop count high byte first", 65533, {Down(A)}, {0xFF, 0xFD, 0x01, 0x04}, 2},
        ImageCase{"single key loop value", 0xFFFE, {Down(A)}, {0xFF, 0xFE, 0x01, 0x04}, 2},
        ImageCase{"press, 50 ms, release",
                  1,
                  {Down(A), Wait(50), Up(A)},
                  {0x00, 0x01, 0x06, 0x04, 0x81, 0x04},
                  3},
        ImageCase{"delay after a release folds into it",
                  2,
                  {Down(A), Up(A), Wait(10), Down(0x5A)},
                  {0x00, 0x02, 0x01, 0x04, 0x82, 0x04, 0x01, 0x1D},
                  4},
        ImageCase{"1260 ms fills the seven bits",
                  1,
                  {Down(A), Wait(1260), Up(A)},
                  {0x00, 0x01, 0x7F, 0x04, 0x81, 0x04},
                  3},
        ImageCase{"1260 ms after a release", 1, {Up(A), Wait(1260)}, {0x00, 0x01, 0xFF, 0x04}, 2},
        ImageCase{"1270 ms would overflow the seven bits: a 20 ms entry",
                  1,
                  {Down(A), Wait(1270), Up(A)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x3F, 0x81, 0x04},
                  5},
        ImageCase{"1271 ms",
                  1,
                  {Down(A), Wait(1271), Up(A)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x3F, 0x81, 0x04},
                  5},
        ImageCase{"1,310,700 ms is the last 20 ms count",
                  1,
                  {Down(A), Wait(1310700)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0xFF, 0xFF},
                  4},
        ImageCase{"1,310,701 ms takes 50 ms units",
                  1,
                  {Down(A), Wait(1310701)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x02, 0x66, 0x66},
                  4},
        ImageCase{"3,276,750 ms is the last 50 ms count",
                  1,
                  {Down(A), Wait(3276750)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x02, 0xFF, 0xFF},
                  4},
        ImageCase{"3,276,751 ms takes 100 ms units",
                  1,
                  {Down(A), Wait(3276751)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x03, 0x7F, 0xFF},
                  4},
        ImageCase{"6,553,500 ms is the last 100 ms count",
                  1,
                  {Down(A), Wait(6553500)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x03, 0xFF, 0xFF},
                  4},
        ImageCase{"6,553,501 ms becomes one zero word",
                  1,
                  {Down(A), Wait(6553501), Up(A)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x00, 0x81, 0x04},
                  4},
        ImageCase{"leading delay takes 100 ms units however short",
                  1,
                  {Wait(500), Down(A)},
                  {0x00, 0x01, 0x00, 0x03, 0x00, 0x05, 0x01, 0x04},
                  4},
        ImageCase{"leading delay of 10 ms",
                  1,
                  {Wait(10), Down(A)},
                  {0x00, 0x01, 0x00, 0x03, 0x00, 0x00, 0x01, 0x04},
                  4},
        ImageCase{"leading delay longer than 65,535 ms keeps its length",
                  1,
                  {Wait(70000), Down(A)},
                  {0x00, 0x01, 0x00, 0x03, 0x02, 0xBC, 0x01, 0x04},
                  4},
        ImageCase{"leading delay too long for any unit",
                  1,
                  {Wait(6553501), Down(A)},
                  {0x00, 0x01, 0x00, 0x00, 0x01, 0x04},
                  3},
        ImageCase{"adjacent short delays fold while the sum fits",
                  1,
                  {Down(A), Wait(500), Wait(700)},
                  {0x00, 0x01, 0x79, 0x04},
                  2},
        ImageCase{"adjacent short delays past the seven bits",
                  1,
                  {Down(A), Wait(1000), Wait(300)},
                  {0x00, 0x01, 0x65, 0x04, 0x00, 0x01, 0x00, 0x0F},
                  4},
        ImageCase{"short delay after a delay entry is not folded into its count",
                  1,
                  {Down(A), Wait(2000), Wait(100)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x64, 0x00, 0x01, 0x00, 0x05},
                  6},
        ImageCase{
            "mouse buttons",
            3,
            {Down(1), Up(1), Down(4), Up(4), Down(2), Up(2)},
            {0x00, 0x03, 0x01, 0xF0, 0x81, 0xF0, 0x01, 0xF2, 0x81, 0xF2, 0x01, 0xF1, 0x81, 0xF1},
            7},
        ImageCase{"keys without usage, and a value beyond eight bits",
                  1,
                  {Down(0x0C), Up(0x141), Down(0x0D)},
                  {0x00, 0x01, 0x01, 0x00, 0x81, 0x00, 0x01, 0x28},
                  4},
        ImageCase{"an event of another kind keeps its place as a zero word",
                  1,
                  {Down(A), 0x12345678, Up(A)},
                  {0x00, 0x01, 0x01, 0x04, 0x00, 0x00, 0x81, 0x04},
                  4}));

std::vector<MacroEvent> Presses(std::size_t count) {
  return std::vector<MacroEvent>(count, Down(A));
}

TEST(EncodeMacro, StopsWhereTheDeviceWordCanNoLongerCountTheWords) {
  const MacroImage image = EncodeMacro(Record(1, Presses(300)));
  EXPECT_EQ(image.wordCount, 255u);
  for (std::size_t word = 1; word < 255; ++word) {
    EXPECT_EQ(image.bytes[2 * word], 0x01) << word;
    EXPECT_EQ(image.bytes[2 * word + 1], 0x04) << word;
  }
  EXPECT_EQ(image.bytes[510], 0x00);
  EXPECT_EQ(image.bytes[511], 0x00);
}

TEST(EncodeMacro, StopsAtAnEventThatDoesNotFitAndWritesNothingAfterIt) {
  std::vector<MacroEvent> events = Presses(253);
  events.push_back(Wait(2000));  // needs two words, one is left
  events.push_back(Up(A));
  events.push_back(Wait(50));
  const MacroImage image = EncodeMacro(Record(1, events));
  EXPECT_EQ(image.wordCount, 254u);
  EXPECT_EQ(image.bytes[2 * 253], 0x01);
  for (std::size_t i = 2 * 254; i < kMacroImageBytes; ++i) {
    EXPECT_EQ(image.bytes[i], 0x00) << i;
  }
}

TEST(EncodeMacro, ReadsNoMoreEventsThanTheRecordHolds) {
  MacroRecord record = Record(1, {Up(A)});
  record.eventCount = 0xFFFFFFFF;
  const MacroImage image = EncodeMacro(record);
  EXPECT_EQ(image.bytes[2], 0x81);
  EXPECT_EQ(image.bytes[3], 0x04);
  // The remaining 999 events are zero words of an unknown kind.
  EXPECT_EQ(image.wordCount, 255u);
}

}  // namespace
}  // namespace n63k
