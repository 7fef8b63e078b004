#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace n63k {

// The statistics, stored whole as Sts.cfg: six 32-bit little-endian counts
// that wrap at 2^32.
struct StatsRecord {
  std::uint32_t left = 0;
  std::uint32_t middle = 0;
  std::uint32_t right = 0;
  std::uint32_t wheelForward = 0;
  std::uint32_t wheelBackward = 0;
  // Pointer travel in screen pixels, horizontal plus vertical.
  std::uint32_t distance = 0;

  friend bool operator==(const StatsRecord&, const StatsRecord&) = default;
};

inline constexpr std::size_t kStatsFileSize = 24;

std::array<std::uint8_t, kStatsFileSize> EncodeStats(const StatsRecord& record);
// As far as `bytes` goes; the fields it does not reach stay zero.
StatsRecord DecodeStats(std::span<const std::uint8_t> bytes);

// The click total and the wheel total, in the record's own 32-bit arithmetic.
std::uint32_t ClickTotal(const StatsRecord& record);
std::uint32_t WheelTotal(const StatsRecord& record);

inline constexpr int kTopTrophyLevel = 12;
inline constexpr int kTrophyCount = kTopTrophyLevel + 1;

// The trophy level 0-12 that a click or wheel total reaches.
int LevelOfCount(std::uint32_t count);

// The level that the larger of the click and the wheel totals reaches.
int LevelOfRecord(const StatsRecord& record);

// The level bar's width in pixels at `level`: a thirteenth of the full bar
// for each level reached, level 0 included.
int LevelBarWidth(int level);

// A count as the page prints it: the stored 32 bits as a signed number.
std::string CountText(std::uint32_t count);
// The distance in units of 10,000 pixels, two decimals.
std::string DistanceText(std::uint32_t distance);

}  // namespace n63k
