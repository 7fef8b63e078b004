#include "core/stats/StatsRecord.h"

#include <algorithm>
#include <cstdio>

namespace n63k {

namespace {

constexpr std::array<std::uint32_t StatsRecord::*, 6> kFields = {
    &StatsRecord::left,         &StatsRecord::middle,        &StatsRecord::right,
    &StatsRecord::wheelForward, &StatsRecord::wheelBackward, &StatsRecord::distance};

// The first bound a count stays below gives its level; 10,000,000 and above
// is the top level.
constexpr std::array<std::uint32_t, kTopTrophyLevel> kLevelBounds = {
    100'000,   500'000,   1'000'000, 1'500'000, 2'000'000, 2'500'000,
    3'000'000, 4'000'000, 5'000'000, 6'000'000, 8'000'000, 10'000'000};

constexpr int kLevelBarFullWidth = 273;

}  // namespace

std::array<std::uint8_t, kStatsFileSize> EncodeStats(const StatsRecord& record) {
  std::array<std::uint8_t, kStatsFileSize> bytes{};
  for (std::size_t f = 0; f < kFields.size(); ++f) {
    const std::uint32_t value = record.*kFields[f];
    for (std::size_t b = 0; b < 4; ++b) {
      bytes[4 * f + b] = static_cast<std::uint8_t>(value >> (8 * b));
    }
  }
  return bytes;
}

StatsRecord DecodeStats(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, kStatsFileSize> full{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), full.size()), full.begin());
  StatsRecord record;
  for (std::size_t f = 0; f < kFields.size(); ++f) {
    std::uint32_t value = 0;
    for (std::size_t b = 0; b < 4; ++b) {
      value |= static_cast<std::uint32_t>(full[4 * f + b]) << (8 * b);
    }
    record.*kFields[f] = value;
  }
  return record;
}

std::uint32_t ClickTotal(const StatsRecord& record) {
  return record.left + record.middle + record.right;
}

std::uint32_t WheelTotal(const StatsRecord& record) {
  return record.wheelForward + record.wheelBackward;
}

int LevelOfCount(std::uint32_t count) {
  const auto* bound = std::upper_bound(kLevelBounds.begin(), kLevelBounds.end(), count);
  return static_cast<int>(bound - kLevelBounds.begin());
}

int LevelOfRecord(const StatsRecord& record) {
  return std::max(LevelOfCount(ClickTotal(record)), LevelOfCount(WheelTotal(record)));
}

int LevelBarWidth(int level) {
  const int reached = std::clamp(level + 1, 0, kTrophyCount);
  return reached * kLevelBarFullWidth / kTrophyCount;
}

std::string CountText(std::uint32_t count) {
  return std::to_string(static_cast<std::int32_t>(count));
}

std::string DistanceText(std::uint32_t distance) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%0.2f", distance / 10000.0);
  return text.data();
}

}  // namespace n63k
