#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/base/Clock.h"
#include "core/device/DesktopPointerSettings.h"
#include "core/device/TracingPointerSettings.h"

namespace n63k {
namespace {

using ::testing::ElementsAre;

// A backend whose writes the test scripts.
class ScriptedBackend final : public DesktopPointerSettings {
 public:
  using Script = std::function<void(const DesktopPointerValues&, PointerReport&)>;
  ScriptedBackend(PointerDesktop desktop, Script script)
      : DesktopPointerSettings(desktop), script_(std::move(script)) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override {
    script_(values, report);
  }
  Script script_;
};

std::vector<std::string> TraceOf(PointerSettings& settings, const PointerValues& values) {
  VirtualClock clock(1000);
  std::vector<std::string> lines;
  TracingPointerSettings tracing(
      settings, clock,
      [&](std::uint64_t at, const PointerValues& applied) {
        lines.push_back(PointerTraceLine(at, applied, 200));
      },
      [&](std::uint64_t at, const PointerReport& report) {
        for (std::string& line : PointerReportLines(at, report, 200)) {
          lines.push_back(std::move(line));
        }
      });
  tracing.Apply(values);
  return lines;
}

TEST(DesktopPointerSettings, TheTraceNamesTheBackendWhatItSetAndWhatItCouldNot) {
  ScriptedBackend gnome(
      PointerDesktop::kGnome, [](const DesktopPointerValues& values, PointerReport& report) {
        report.Set(PointerSetting::kPrecision, "mouse accel-profile",
                   *values.profile == AccelProfile::kFlat ? "'flat'" : "x");
        report.Set(PointerSetting::kSpeed, "mouse speed", PointerNumberText(*values.acceleration));
      });
  EXPECT_THAT(TraceOf(gnome, {0, 15, 3}),
              ElementsAre("800 POINTER precision 0 speed 15 lines 3", "800 POINTER backend gnome",
                          "800 POINTER set precision mouse accel-profile = 'flat'",
                          "800 POINTER set speed mouse speed = 0.5",
                          "800 POINTER not-applied lines: GNOME has no scroll-lines setting for "
                          "mice"));
}

TEST(DesktopPointerSettings, AValueNoWriteReachedIsNotApplied) {
  ScriptedBackend kde(
      PointerDesktop::kKdeWayland, [](const DesktopPointerValues&, PointerReport& report) {
        report.Failed(PointerSetting::kPrecision, "event4 flat", "true", "refused\nby the device");
        report.Set(PointerSetting::kLines, "WheelScrollLines", "3");
        report.NotApplied(PointerSetting::kSpeed, "KWin lists no mouse");
      });
  EXPECT_THAT(
      TraceOf(kde, {0, 10, 6}),
      ElementsAre("800 POINTER precision 0 speed 10 lines 6", "800 POINTER backend kde-wayland",
                  "800 POINTER failed precision event4 flat = true: refused by the device",
                  "800 POINTER set lines WheelScrollLines = 3",
                  "800 POINTER not-applied speed: KWin lists no mouse",
                  "800 POINTER not-applied precision: the desktop took none of its writes"));
}

TEST(DesktopPointerSettings, EachApplyStartsAFreshReport) {
  int calls = 0;
  ScriptedBackend x11(PointerDesktop::kX11,
                      [&](const DesktopPointerValues&, PointerReport& report) {
                        if (++calls == 1) {
                          report.Set(PointerSetting::kSpeed, "speed", "0");
                        }
                      });
  x11.Apply({1, 10, 3});
  EXPECT_TRUE(x11.LastReport().Applied(PointerSetting::kSpeed));
  x11.Apply({1, 10, 3});
  const PointerReport second = x11.LastReport();
  EXPECT_TRUE(second.writes.empty());
  EXPECT_TRUE(second.Missed(PointerSetting::kSpeed));
  EXPECT_TRUE(second.Missed(PointerSetting::kPrecision));
  EXPECT_EQ(second.notApplied.size(), 3u);
}

TEST(DesktopPointerSettings, SettingsWithoutAnAccountAddNoLines) {
  class Silent final : public PointerSettings {
   public:
    void Apply(const PointerValues&) override {}
  } silent;
  EXPECT_THAT(TraceOf(silent, {1, 2, 3}), ElementsAre("800 POINTER precision 1 speed 2 lines 3"));
}

}  // namespace
}  // namespace n63k
