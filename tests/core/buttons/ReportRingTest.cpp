#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "core/buttons/ReportRing.h"

namespace n63k {
namespace {

TEST(ReportRingTest, KeepsOrderAcrossTheWrapAndDropsWhenFull) {
  ReportRing ring;
  std::uint32_t value = 0;
  EXPECT_FALSE(ring.Pop(value));
  // Moves the indices past the end of the slots once before filling up.
  for (std::uint32_t i = 0; i < 100; ++i) {
    ASSERT_TRUE(ring.Push(i));
    ASSERT_TRUE(ring.Pop(value));
  }
  for (std::uint32_t i = 0; i < ReportRing::kCapacity; ++i) {
    ASSERT_TRUE(ring.Push(1000 + i));
  }
  EXPECT_FALSE(ring.Push(7));
  EXPECT_FALSE(ring.Push(8));
  EXPECT_EQ(ring.dropped(), 2U);
  for (std::uint32_t i = 0; i < ReportRing::kCapacity; ++i) {
    ASSERT_TRUE(ring.Pop(value));
    EXPECT_EQ(value, 1000 + i);
  }
  EXPECT_FALSE(ring.Pop(value));
}

TEST(ReportRingTest, AnotherThreadsReportsArriveWholeAndInOrder) {
  ReportRing ring;
  constexpr std::uint32_t kCount = 100000;
  std::thread producer([&ring] {
    for (std::uint32_t i = 1; i <= kCount; ++i) {
      while (!ring.Push(i)) {
        std::this_thread::yield();
      }
    }
  });
  std::uint32_t expected = 1;
  std::uint32_t value = 0;
  while (expected <= kCount) {
    if (ring.Pop(value)) {
      ASSERT_EQ(value, expected);
      ++expected;
    } else {
      std::this_thread::yield();
    }
  }
  producer.join();
}

}  // namespace
}  // namespace n63k
