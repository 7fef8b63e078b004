#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/Cli.h"
#include "core/base/Clock.h"
#include "core/device/DesktopPointerSettings.h"
#include "core/device/SimulatedMouse.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using ::testing::HasSubstr;

// A desktop backend that takes the speed and finds nothing for the precision.
class PartialDesktop final : public DesktopPointerSettings {
 public:
  PartialDesktop() : DesktopPointerSettings(PointerDesktop::kGnome) {}

 private:
  void Write(const DesktopPointerValues& values, PointerReport& report) override {
    report.Set(PointerSetting::kSpeed, "mouse speed", PointerNumberText(*values.acceleration));
    report.NotApplied(PointerSetting::kPrecision, "locked");
  }
};

TEST(PointerTrace, ApplyTellsWhatTheBackendDidAfterThePointerLine) {
  test::TempDir dir;
  const std::string data = (dir / "data").string();
  VirtualClock clock;
  SimulatedMouse mouse(clock);
  PartialDesktop pointer;
  const DeviceEnvironment environment{&clock, &mouse, nullptr, &pointer};
  ASSERT_EQ(test::RunInProcess({"--data", data, "defaults", data}, environment).status, kExitOk);
  const test::CliRun run =
      test::RunInProcess({"--data", data, "--simulate", "apply", "--trace"}, environment);
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_THAT(run.out, HasSubstr("800 POINTER precision 0 speed 10 lines 3\n"
                                 "800 POINTER backend gnome\n"
                                 "800 POINTER set speed mouse speed = 0\n"
                                 "800 POINTER not-applied lines: GNOME has no scroll-lines "
                                 "setting for mice\n"
                                 "800 POINTER not-applied precision: locked\n"
                                 "800 SET "));
}

TEST(PointerTrace, OutsideAKnownDesktopTheBuiltToolSaysSoAndChangesNothing) {
  test::TempDir dir;
  const test::CliRun run = test::RunBuiltTool(
      "--data '" + (dir / "data").string() + "' --simulate apply --trace",
      "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u XDG_CURRENT_DESKTOP "
      "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus");
  EXPECT_EQ(run.status, kExitOk);
  const std::string reason = ": no desktop here whose pointer settings the program can change\n";
  EXPECT_THAT(run.out, HasSubstr(" POINTER backend none\n"));
  for (const std::string setting : {"precision", "speed", "lines"}) {
    EXPECT_THAT(run.out, HasSubstr(" POINTER not-applied " + setting + reason));
  }
}

}  // namespace
}  // namespace n63k::cli
