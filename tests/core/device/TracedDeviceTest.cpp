#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/SimulatedMouse.h"
#include "core/device/TracedDevice.h"

namespace n63k {
namespace {

// Pointer settings that say what a desktop did with them.
class ReportingPointer final : public PointerSettings {
 public:
  void Apply(const PointerValues&) override {
    report_ = {};
    report_.backend = "gnome";
    report_.Set(PointerSetting::kSpeed, "speed", "0.0");
  }
  PointerReport LastReport() const override { return report_; }

 private:
  PointerReport report_;
};

TEST(TracedDevice, TransfersAndPointerChangesBecomeLinesTimedFromTheStart) {
  VirtualClock clock(1000);
  SimulatedMouse mouse(clock);
  ReportingPointer pointer;
  std::vector<std::string> lines;
  TracedDevice traced(mouse, pointer, clock, 900,
                      [&lines](const std::string& line) { lines.push_back(line); });
  DeviceLink link(traced.transport(), clock);
  ASSERT_EQ(link.Open(), OpenResult::kOpened);
  ASSERT_TRUE(SetPollingRate(link, 1));
  clock.Advance(50);
  traced.pointer().Apply({1, 10, 3});

  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 8), "100 SET ");
  EXPECT_EQ(lines[1], "150 POINTER precision 1 speed 10 lines 3");
  EXPECT_EQ(lines[2], "150 POINTER backend gnome");
  EXPECT_EQ(lines[3], "150 POINTER set speed speed = 0.0");
}

}  // namespace
}  // namespace n63k
