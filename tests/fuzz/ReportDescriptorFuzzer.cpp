// Fuzz target: a HID report descriptor as a hidraw node gives it, parsed and
// searched for the mouse's feature value as the transport does when it
// opens a node; a node that has one is then asked for its firmware version
// through reports of that ID and length.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/base/Clock.h"
#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/ProtocolValues.h"
#include "core/device/ReportDescriptor.h"
#include "core/device/SimulatedMouse.h"
#include "fuzz/FuzzSupport.h"

using namespace n63k;
using fuzz::Check;

namespace {

// Every field of an item is named by one of its usages, and no more fields
// than the item has.
void CheckUsages(const ReportField& field) {
  std::uint64_t named = 0;
  for (const ReportField::Usage& usage : field.usages) {
    Check(usage.run.first <= usage.run.last);
    named += usage.count;
  }
  Check(named == (field.usages.empty() ? 0 : field.reportCount));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<std::vector<ReportField>> fields =
      ParseReportDescriptor(std::span<const std::uint8_t>(data, size));
  if (!fields) {
    return 0;
  }
  for (const ReportField& field : *fields) {
    CheckUsages(field);
  }
  const std::optional<FeatureValue> value =
      FindFeatureValue(*fields, kFeatureUsagePage, kFeatureUsage);
  if (!value) {
    return 0;
  }
  Check(value->reportCount >= 1);

  VirtualClock clock;
  SimulatedMouse::Settings settings;
  settings.reportId = value->reportId;
  settings.reportLength = value->reportCount;
  SimulatedMouse mouse(clock, settings);
  mouse.Open();
  DeviceLink link(mouse, clock);
  const std::optional<std::uint32_t> version = ReadFirmwareVersion(link);
  Check(version ==
        (value->reportCount >= 3 ? std::optional(settings.firmwareVersion) : std::nullopt));
  return 0;
}
