#include "core/device/ReportDescriptor.h"

#include <algorithm>

namespace n63k {
namespace {

// Limits beyond which a field cannot be real; they also keep a hostile
// descriptor from asking for huge reports.
constexpr std::uint32_t kMaxReportSize = 256;
constexpr std::uint32_t kMaxReportCount = 12288;

constexpr std::uint8_t kLongItemPrefix = 0xFE;

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

enum MainTag : std::uint8_t {
  kInput = 0x8,
  kOutput = 0x9,
  kCollection = 0xA,
  kFeature = 0xB,
  kEndCollection = 0xC,
};

enum GlobalTag : std::uint8_t {
  kUsagePage = 0x0,
  kReportSize = 0x7,
  kReportId = 0x8,
  kReportCount = 0x9,
  kPush = 0xA,
  kPop = 0xB,
};

enum LocalTag : std::uint8_t { kUsage = 0x0, kUsageMinimum = 0x1, kUsageMaximum = 0x2 };

struct GlobalState {
  std::uint16_t usagePage = 0;
  std::uint8_t reportId = 0;
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
};

// A usage as written: without its page when the item had fewer than four
// bytes, in which case the page current at the main item applies.
struct LocalUsage {
  std::uint32_t value = 0;
  bool extended = false;
};

struct LocalState {
  std::vector<std::pair<LocalUsage, LocalUsage>> runs;
  // A flag beside the value, not an optional: GCC 12 at -O3 takes the
  // optional's copy for a read of an unset value.
  LocalUsage minimum;
  bool hasMinimum = false;
};

std::uint32_t Extend(const LocalUsage& usage, std::uint16_t page) {
  return usage.extended ? usage.value : (std::uint32_t{page} << 16) | (usage.value & 0xFFFF);
}

std::vector<ReportField::Usage> AssignUsages(const LocalState& local, const GlobalState& global) {
  std::vector<ReportField::Usage> usages;
  std::uint32_t remaining = global.reportCount;
  for (std::size_t i = 0; i < local.runs.size(); ++i) {
    const UsageRun run{Extend(local.runs[i].first, global.usagePage),
                       Extend(local.runs[i].second, global.usagePage)};
    const bool last = i + 1 == local.runs.size();
    const std::uint32_t count = last ? remaining : std::min(run.last - run.first + 1, remaining);
    usages.push_back({run, count});
    remaining -= count;
  }
  return usages;
}

}  // namespace

std::optional<std::vector<ReportField>> ParseReportDescriptor(std::span<const std::uint8_t> bytes) {
  std::vector<ReportField> fields;
  GlobalState global;
  std::vector<GlobalState> stack;
  LocalState local;
  int collectionDepth = 0;

  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::uint8_t prefix = bytes[at];
    if (prefix == kLongItemPrefix) {
      // No long item is defined; skip it whole.
      if (at + 3 > bytes.size() || at + 3 + bytes[at + 1] > bytes.size()) {
        return std::nullopt;
      }
      at += 3 + std::size_t{bytes[at + 1]};
      continue;
    }
    const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (at + 1 + size > bytes.size()) {
      return std::nullopt;
    }
    std::uint32_t data = 0;
    for (std::size_t i = 0; i < size; ++i) {
      data |= std::uint32_t{bytes[at + 1 + i]} << (8 * i);
    }
    const auto type = static_cast<std::uint8_t>((prefix >> 2) & 3);
    const auto tag = static_cast<std::uint8_t>(prefix >> 4);
    at += 1 + size;

    if (type == kMain) {
      switch (tag) {
        case kInput:
        case kOutput:
        case kFeature: {
          if (local.hasMinimum) {
            return std::nullopt;
          }
          ReportField field;
          field.kind = tag == kInput    ? ReportKind::kInput
                       : tag == kOutput ? ReportKind::kOutput
                                        : ReportKind::kFeature;
          field.reportId = global.reportId;
          field.reportSize = global.reportSize;
          field.reportCount = global.reportCount;
          field.constant = (data & 1) != 0;
          field.variable = (data & 2) != 0;
          field.usages = AssignUsages(local, global);
          fields.push_back(std::move(field));
          break;
        }
        case kCollection:
          ++collectionDepth;
          break;
        case kEndCollection:
          if (collectionDepth == 0) {
            return std::nullopt;
          }
          --collectionDepth;
          break;
        default:
          return std::nullopt;
      }
      local = LocalState{};
    } else if (type == kGlobal) {
      switch (tag) {
        case kUsagePage:
          global.usagePage = static_cast<std::uint16_t>(data);
          break;
        case kReportSize:
          if (data > kMaxReportSize) {
            return std::nullopt;
          }
          global.reportSize = data;
          break;
        case kReportId:
          if (data == 0 || data > 0xFF) {
            return std::nullopt;
          }
          global.reportId = static_cast<std::uint8_t>(data);
          break;
        case kReportCount:
          if (data > kMaxReportCount) {
            return std::nullopt;
          }
          global.reportCount = data;
          break;
        case kPush:
          stack.push_back(global);
          break;
        case kPop:
          if (stack.empty()) {
            return std::nullopt;
          }
          global = stack.back();
          stack.pop_back();
          break;
        default:
          // Logical and physical extents, units: not needed to find a value.
          break;
      }
    } else if (type == kLocal) {
      const LocalUsage usage{data, size == 4};
      switch (tag) {
        case kUsage:
          local.runs.push_back({usage, usage});
          break;
        case kUsageMinimum:
          local.minimum = usage;
          local.hasMinimum = true;
          break;
        case kUsageMaximum:
          if (!local.hasMinimum || local.minimum.extended != usage.extended ||
              local.minimum.value > usage.value) {
            return std::nullopt;
          }
          local.runs.push_back({local.minimum, usage});
          local.hasMinimum = false;
          break;
        default:
          // Designators, strings and delimiters do not change which usages
          // a field carries.
          break;
      }
    }
  }
  if (collectionDepth != 0) {
    return std::nullopt;
  }
  return fields;
}

std::optional<FeatureValue> FindFeatureValue(const std::vector<ReportField>& fields,
                                             std::uint16_t usagePage, std::uint16_t usage) {
  const std::uint32_t wanted = (std::uint32_t{usagePage} << 16) | usage;
  for (const ReportField& field : fields) {
    if (field.kind != ReportKind::kFeature || field.constant || !field.variable ||
        field.reportSize <= 1) {
      continue;
    }
    for (const ReportField::Usage& u : field.usages) {
      if (u.count > 0 && u.run.Contains(wanted)) {
        return FeatureValue{field.reportId, u.count};
      }
    }
  }
  return std::nullopt;
}

}  // namespace n63k
