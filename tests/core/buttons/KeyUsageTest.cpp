#include <gtest/gtest.h>

#include <utility>

#include "core/buttons/KeyUsage.h"

namespace n63k {
namespace {

class UsageFromKeyTest : public ::testing::TestWithParam<std::pair<std::uint32_t, std::uint8_t>> {};

TEST_P(UsageFromKeyTest, FindsTheFirstPair) {
  EXPECT_EQ(UsageFromKey(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UsageFromKeyTest,
    ::testing::Values(std::pair<std::uint32_t, std::uint8_t>{0x0D,
                                                             0x28},  // Enter, not keypad Enter
                      std::pair<std::uint32_t, std::uint8_t>{0x0C, 0x00},  // no pair
                      std::pair<std::uint32_t, std::uint8_t>{0x00, 0x00},
                      std::pair<std::uint32_t, std::uint8_t>{0x41, 0x04},
                      std::pair<std::uint32_t, std::uint8_t>{0x5A, 0x1D},
                      std::pair<std::uint32_t, std::uint8_t>{0x30, 0x27},
                      std::pair<std::uint32_t, std::uint8_t>{0x31, 0x1E},
                      std::pair<std::uint32_t, std::uint8_t>{0xDC, 0x31},
                      std::pair<std::uint32_t, std::uint8_t>{0xC0, 0x35},
                      std::pair<std::uint32_t, std::uint8_t>{0x2C, 0x46},
                      std::pair<std::uint32_t, std::uint8_t>{0x27, 0x4F},
                      std::pair<std::uint32_t, std::uint8_t>{0x6E, 0x63},
                      std::pair<std::uint32_t, std::uint8_t>{0x5D, 0x65},
                      std::pair<std::uint32_t, std::uint8_t>{0xA2, 0xE0},
                      std::pair<std::uint32_t, std::uint8_t>{0x5C, 0xE7},
                      std::pair<std::uint32_t, std::uint8_t>{0x01, 0xF0},
                      std::pair<std::uint32_t, std::uint8_t>{0x02, 0xF1},
                      std::pair<std::uint32_t, std::uint8_t>{0x04, 0xF2},
                      // A macro event's value counts whole, not by its low byte.
                      std::pair<std::uint32_t, std::uint8_t>{0x141, 0x00},
                      std::pair<std::uint32_t, std::uint8_t>{0xFFFFFF, 0x00}));

class KeyFromUsageTest : public ::testing::TestWithParam<std::pair<std::uint8_t, std::uint8_t>> {};

TEST_P(KeyFromUsageTest, FindsThePair) {
  EXPECT_EQ(KeyFromUsage(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Usages, KeyFromUsageTest,
    ::testing::Values(std::pair<std::uint8_t, std::uint8_t>{0x58, 0x0D},  // keypad Enter
                      std::pair<std::uint8_t, std::uint8_t>{0x28, 0x0D},
                      std::pair<std::uint8_t, std::uint8_t>{0x00, 0x00},  // reserved
                      std::pair<std::uint8_t, std::uint8_t>{0x32, 0x00},
                      std::pair<std::uint8_t, std::uint8_t>{0x64, 0x00},
                      std::pair<std::uint8_t, std::uint8_t>{0x66, 0x00},  // no pair
                      std::pair<std::uint8_t, std::uint8_t>{0x06, 0x43},
                      std::pair<std::uint8_t, std::uint8_t>{0xE3, 0x5B},
                      std::pair<std::uint8_t, std::uint8_t>{0xF1, 0x02}));

TEST(KeyTables, HaveTheirSizes) {
  EXPECT_EQ(KeyUsageTable().size(), 113u);
  EXPECT_EQ(ComboKeyTable().size(), 107u);
}

// The macro encoder searches the key usage table, the key-combination page the
// combination pairs; a key must mean the same to both.
TEST(KeyTables, GiveTheSameAnswerForEveryLookup) {
  for (std::uint32_t key = 0; key <= 0xFF; ++key) {
    std::uint8_t expected = 0;
    for (const KeyUsagePair& pair : KeyUsageTable()) {
      if (pair.virtualKey == key) {
        expected = pair.usage;
        break;
      }
    }
    EXPECT_EQ(UsageFromKey(key), expected) << "key " << key;
  }
  for (int usage = 0; usage <= 0xFF; ++usage) {
    std::uint8_t expected = 0;
    for (const KeyUsagePair& pair : KeyUsageTable()) {
      if (pair.usage == usage) {
        expected = pair.virtualKey;
        break;
      }
    }
    EXPECT_EQ(KeyFromUsage(static_cast<std::uint8_t>(usage)), expected) << "usage " << usage;
  }
}

}  // namespace
}  // namespace n63k
