#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace n63k {

enum class ReportKind { kInput, kOutput, kFeature };

// One run of usages in a main item: a single usage (first == last) or a usage
// range. Usages carry their page in the upper 16 bits (extended usages).
struct UsageRun {
  std::uint32_t first;
  std::uint32_t last;
  bool Contains(std::uint32_t usage) const { return usage >= first && usage <= last; }
};

// A control of one Input, Output or Feature main item: the item's data bits
// and global state, and the usages its fields carry.
struct ReportField {
  ReportKind kind;
  std::uint8_t reportId;  // 0 when the descriptor declares no report IDs
  std::uint32_t reportSize;
  std::uint32_t reportCount;
  bool constant;
  bool variable;
  // Each run with the number of fields of the item it names; the last run
  // also names every field left over, as HID parsers assign them.
  struct Usage {
    UsageRun run;
    std::uint32_t count;
  };
  std::vector<Usage> usages;
};

// Parses a HID report descriptor: short and long items, global and local
// state, push and pop, usage pages and extended usages, report IDs, sizes and
// counts. No value when the descriptor is malformed or truncated.
std::optional<std::vector<ReportField>> ParseReportDescriptor(std::span<const std::uint8_t> bytes);

// A feature value: a variable data field wider than one bit (one-bit fields
// are buttons).
struct FeatureValue {
  std::uint8_t reportId;
  std::uint32_t reportCount;
};

// The first feature value that carries `usagePage`:`usage`, with the report ID
// of its report and the number of fields assigned to that usage.
std::optional<FeatureValue> FindFeatureValue(const std::vector<ReportField>& fields,
                                             std::uint16_t usagePage, std::uint16_t usage);

}  // namespace n63k
