#include "core/device/DpiStages.h"

#include <algorithm>
#include <array>
#include <utility>

namespace n63k {
namespace {

constexpr std::uint8_t kNoStage = 0x80;
constexpr std::uint8_t kBlockMark = 0x02;
constexpr std::size_t kStages = 7;

constexpr std::array<std::pair<std::int32_t, std::uint8_t>, 18> kStageCodes = {{
    {250, 1},
    {500, 2},
    {750, 3},
    {1000, 4},
    {1250, 5},
    {1500, 6},
    {1750, 7},
    {2000, 8},
    {2250, 9},
    {2500, 10},
    {2750, 11},
    {3000, 12},
    {3250, 13},
    {3500, 14},
    {4000, 40},
    {5000, 42},
    {6000, 44},
    {7000, 46},
}};

}  // namespace

std::uint8_t DpiStageCode(std::int32_t dpi) {
  const auto found = std::find_if(kStageCodes.begin(), kStageCodes.end(),
                                  [dpi](const auto& entry) { return entry.first == dpi; });
  return found == kStageCodes.end() ? kNoStage : found->second;
}

DpiTable BuildDpiTable(std::span<const std::int32_t> levels) {
  DpiTable table{};
  for (std::size_t i = 0; i < kStages; ++i) {
    const std::uint8_t code = i < levels.size() ? DpiStageCode(levels[i]) : kNoStage;
    table.block[i] = code;
    table.block[kStages + 1 + i] = code;
    if (code != kNoStage) {
      ++table.stageCount;
    }
  }
  table.block[kStages] = kBlockMark;
  table.block[2 * kStages + 1] = kBlockMark;
  return table;
}

}  // namespace n63k
