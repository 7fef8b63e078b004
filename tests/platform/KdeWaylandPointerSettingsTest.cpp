#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/TracingPointerSettings.h"
#include "platform/FakeProgram.h"
#include "platform/KdeWaylandPointerSettings.h"
#include "platform/KwinStandIn.h"
#include "platform/SessionBus.h"
#include "support/ScopedEnv.h"

namespace n63k {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr char kNotice[] = "signal notifyChange 3 0";

std::vector<std::string> ReportLines(const PointerSettings& settings) {
  return PointerReportLines(0, settings.LastReport(), 0);
}

// KWin's stand-in on its own bus, and a configuration writer that notes its
// calls in place of the desktop's.
class KdeWaylandPointerSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(kwin.address().empty()) << "the KWin stand-in did not start";
    test::FakeProgram(writers, "kwriteconfig6");
  }

  test::KwinStandIn kwin{{"event3:mouse", "event4:touchpad", "event5:keyboard", "event6:mouse"}};
  test::TempDir writers;
  test::ScopedEnv path{"PATH", writers.path().string()};
};

TEST_F(KdeWaylandPointerSettingsTest, EveryMouseGetsTheValuesAndKdeApplicationsPlasmasLines) {
  KdeWaylandPointerSettings settings(kwin.address());
  settings.Apply({0, 15, 5});
  EXPECT_THAT(kwin.Lines(kNotice),
              ElementsAre("set event3 pointerAccelerationProfileFlat bool true",
                          "set event3 pointerAcceleration double 0.5",
                          "set event3 scrollFactor double 1.6666666666666667",
                          "set event6 pointerAccelerationProfileFlat bool true",
                          "set event6 pointerAcceleration double 0.5",
                          "set event6 scrollFactor double 1.6666666666666667", kNotice));
  EXPECT_EQ(test::Calls(writers),
            "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines --notify -- 3\n");
  EXPECT_THAT(
      ReportLines(settings),
      ElementsAre("0 POINTER backend kde-wayland",
                  "0 POINTER set precision KWin event3 pointerAccelerationProfileFlat = true",
                  "0 POINTER set speed KWin event3 pointerAcceleration = 0.5",
                  "0 POINTER set lines KWin event3 scrollFactor = 1.6666666666666667",
                  "0 POINTER set precision KWin event6 pointerAccelerationProfileFlat = true",
                  "0 POINTER set speed KWin event6 pointerAcceleration = 0.5",
                  "0 POINTER set lines KWin event6 scrollFactor = 1.6666666666666667",
                  "0 POINTER set lines kdeglobals [KDE] WheelScrollLines = 3",
                  "0 POINTER set lines org.kde.KGlobalSettings.notifyChange = 3 0"));
}

TEST_F(KdeWaylandPointerSettingsTest, OneScreenPerNotchLeavesTheWheelAlone) {
  KdeWaylandPointerSettings settings(kwin.address());
  settings.Apply({1, 1, -1});
  EXPECT_THAT(kwin.Lines("set event6 pointerAcceleration double -0.9"),
              ElementsAre("set event3 pointerAccelerationProfileAdaptive bool true",
                          "set event3 pointerAcceleration double -0.9",
                          "set event6 pointerAccelerationProfileAdaptive bool true",
                          "set event6 pointerAcceleration double -0.9"));
  EXPECT_EQ(test::Calls(writers), "");
  EXPECT_EQ(ReportLines(settings).back(),
            "0 POINTER not-applied lines: no Linux desktop scrolls one screen per notch");
}

TEST(KdeWaylandPointerSettings, RefusalsAndMissingProfilesAreReported) {
  test::KwinStandIn kwin({"event7:mouse:noflat", "event8:mouse:refuse"});
  ASSERT_FALSE(kwin.address().empty());
  test::TempDir writers;
  test::FakeProgram(writers, "kwriteconfig6");
  const test::ScopedEnv path("PATH", writers.path().string());
  KdeWaylandPointerSettings settings(kwin.address());
  settings.Apply({0, 10, 3});
  EXPECT_THAT(kwin.Lines(kNotice), ElementsAre("set event7 pointerAcceleration double 0",
                                               "set event7 scrollFactor double 1", kNotice));
  EXPECT_THAT(
      ReportLines(settings),
      ElementsAre("0 POINTER backend kde-wayland",
                  "0 POINTER failed precision KWin event7 pointerAccelerationProfileFlat = true: "
                  "the device does not offer this profile",
                  "0 POINTER set speed KWin event7 pointerAcceleration = 0",
                  "0 POINTER set lines KWin event7 scrollFactor = 1",
                  "0 POINTER failed precision KWin event8 pointerAccelerationProfileFlat = true: "
                  "refused",
                  "0 POINTER failed speed KWin event8 pointerAcceleration = 0: refused",
                  "0 POINTER failed lines KWin event8 scrollFactor = 1: refused",
                  "0 POINTER set lines kdeglobals [KDE] WheelScrollLines = 3",
                  "0 POINTER set lines org.kde.KGlobalSettings.notifyChange = 3 0",
                  "0 POINTER not-applied precision: the desktop took none of its writes"));
}

TEST(KdeWaylandPointerSettings, WithoutAMouseOfKWinOnlyTheReasonIsReported) {
  struct Case {
    std::vector<std::string> standIn;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{"--anonymous"}, "KWin did not list its input devices: "},
      {{"event1:touchpad", "event2:keyboard"}, "KWin lists no mouse"},
  };
  for (const Case& c : cases) {
    test::KwinStandIn kwin(c.standIn);
    ASSERT_FALSE(kwin.address().empty());
    KdeWaylandPointerSettings settings(kwin.address());
    settings.Apply({1, 12, 4});
    EXPECT_THAT(kwin.Lines(), IsEmpty());
    // The bus's own words follow the reason.
    EXPECT_THAT(ReportLines(settings),
                ElementsAre("0 POINTER backend kde-wayland",
                            StartsWith("0 POINTER not-applied precision: " + c.reason),
                            StartsWith("0 POINTER not-applied speed: " + c.reason),
                            StartsWith("0 POINTER not-applied lines: " + c.reason)));
  }
}

TEST(KdeWaylandPointerSettings, AMissingBusIsNoFailure) {
  KdeWaylandPointerSettings settings("unix:path=/nonexistent/bus");
  settings.Apply({1, 12, 4});
  const PointerReport report = settings.LastReport();
  EXPECT_TRUE(report.writes.empty());
  ASSERT_EQ(report.notApplied.size(), 3u);
  EXPECT_EQ(report.notApplied[0].reason.rfind("no session bus", 0), 0u)
      << report.notApplied[0].reason;
}

TEST(SessionBus, TellsWhichNamesAreOwned) {
  test::KwinStandIn kwin({});
  test::KwinStandIn anonymous({"--anonymous"});
  ASSERT_FALSE(kwin.address().empty());
  ASSERT_FALSE(anonymous.address().empty());
  SessionBus bus(kwin.address());
  ASSERT_TRUE(bus.connected());
  EXPECT_TRUE(bus.OwnsName("org.kde.KWin"));
  EXPECT_FALSE(bus.OwnsName("org.gnome.Shell"));
  SessionBus other(anonymous.address());
  EXPECT_FALSE(other.OwnsName("org.kde.KWin"));
  SessionBus none("unix:path=/nonexistent/bus");
  EXPECT_FALSE(none.connected());
  EXPECT_FALSE(none.OwnsName("org.kde.KWin"));
}

}  // namespace
}  // namespace n63k
