#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/store/DpiValues.h"

namespace n63k {
namespace {

TEST(DpiValues, CodeOfEveryValue) {
  const std::vector<std::pair<std::int32_t, int>> cases = {
      {250, 1},   {500, 2},   {750, 3},     {1000, 4},    {1250, 5},    {1500, 6},
      {1750, 7},  {2000, 8},  {2250, 9},    {2500, 10},   {2750, 11},   {3000, 12},
      {3250, 13}, {3500, 14}, {4000, 40},   {5000, 42},   {6000, 44},   {7000, 46},
      {0, 0x80},  {-1, 0x80}, {3750, 0x80}, {4500, 0x80}, {8000, 0x80}, {251, 0x80},
  };
  for (const auto& [dpi, code] : cases) {
    EXPECT_EQ(DpiStageCode(dpi), code) << dpi;
  }
}

}  // namespace
}  // namespace n63k
