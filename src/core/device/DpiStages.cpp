#include "core/device/DpiStages.h"

#include "core/store/DpiValues.h"

namespace n63k {
namespace {

constexpr std::uint8_t kBlockMark = 0x02;

}  // namespace

DpiTable BuildDpiTable(std::span<const std::int32_t> levels) {
  DpiTable table{};
  for (std::size_t i = 0; i < kDpiStageCount; ++i) {
    const std::uint8_t code = i < levels.size() ? DpiStageCode(levels[i]) : kNoStageCode;
    table.block[i] = code;
    table.block[kDpiStageCount + 1 + i] = code;
    if (code != kNoStageCode) {
      ++table.stageCount;
    }
  }
  table.block[kDpiStageCount] = kBlockMark;
  table.block[2 * kDpiStageCount + 1] = kBlockMark;
  return table;
}

}  // namespace n63k
