#include <gtest/gtest.h>

#include "core/device/DpiStages.h"

namespace n63k {
namespace {

TEST(DpiStages, OnlyTheFirstSevenLevelsCount) {
  const std::int32_t levels[] = {0, 0, 0, 0, 0, 0, 0, 250, 500};
  const DpiTable table = BuildDpiTable(levels);
  EXPECT_EQ(table.stageCount, 0);
  EXPECT_EQ(table.block[7], 0x02);
  EXPECT_EQ(table.block[15], 0x02);
  EXPECT_EQ(table.block[0], 0x80);
}

}  // namespace
}  // namespace n63k
