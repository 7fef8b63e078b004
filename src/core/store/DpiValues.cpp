#include "core/store/DpiValues.h"

#include <algorithm>
#include <utility>

namespace n63k {
namespace {

// The mouse has stages for more values than the page offers boxes for.
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
  return found == kStageCodes.end() ? kNoStageCode : found->second;
}

}  // namespace n63k
