#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "core/device/TracingPointerSettings.h"
#include "platform/X11PointerSettings.h"
#include "platform/XProbe.h"
#include "platform/XvfbServer.h"

namespace n63k {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

constexpr char kProfile[] = "libinput Accel Profile Enabled";
constexpr char kAvailable[] = "libinput Accel Profiles Available";
constexpr char kTapping[] = "libinput Tapping Enabled";
constexpr char kTestPointer[] = "X device \"Virtual core XTEST pointer\" ";

std::vector<std::string> ReportLines(const PointerSettings& settings) {
  return PointerReportLines(0, settings.LastReport(), 0);
}

// An X server of each test's own whose XTEST pointer stands in for a libinput
// mouse once it has the properties.
class X11LibinputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    probe = std::make_unique<test::XProbe>(server.display());
    ASSERT_TRUE(probe->connected());
    mouse = probe->TestPointer();
    ASSERT_GE(mouse, 0);
  }

  test::XvfbServer server;
  std::unique_ptr<test::XProbe> probe;
  int mouse = -1;
};

TEST_F(X11LibinputTest, TheProfileListKeepsTheLengthTheDriverGaveIt) {
  struct Case {
    Bytes before;
    std::int32_t precision;
    Bytes after;
  };
  const std::vector<Case> cases = {
      {{1, 0}, 0, {0, 1}},       {{0, 1}, 1, {1, 0}},       {{1, 0, 0}, 0, {0, 1, 0}},
      {{0, 0, 1}, 1, {1, 0, 0}}, {{0, 0, 1}, 0, {0, 1, 0}},
  };
  X11PointerSettings settings(server.display());
  for (const Case& c : cases) {
    probe->SetByteProperty(mouse, kProfile, c.before);
    settings.Apply({c.precision, 10, 3});
    EXPECT_EQ(probe->ByteProperty(mouse, kProfile), c.after) << c.before.size() << c.precision;
  }
}

TEST_F(X11LibinputTest, TheReportNamesEachDeviceWrite) {
  probe->SetSpeedProperty(mouse, 0.0f);
  probe->SetByteProperty(mouse, kProfile, {1, 0, 0});
  X11PointerSettings settings(server.display());
  settings.Apply({0, 15, 3});
  EXPECT_THAT(
      ReportLines(settings),
      ElementsAre("0 POINTER backend x11",
                  std::string("0 POINTER set precision ") + kTestPointer + kProfile + " = 0 1 0",
                  std::string("0 POINTER set speed ") + kTestPointer + "libinput Accel Speed = 0.5",
                  "0 POINTER set precision X pointer control = acceleration 1/1",
                  "0 POINTER not-applied lines: an X11 desktop other than KDE has no "
                  "scroll-lines setting"));
}

TEST_F(X11LibinputTest, AProfileTheDeviceDoesNotOfferIsLeftAsItWas) {
  probe->SetByteProperty(mouse, kProfile, {1, 0});
  probe->SetByteProperty(mouse, kAvailable, {1, 0});
  X11PointerSettings settings(server.display());
  settings.Apply({0, 10, 3});
  EXPECT_EQ(probe->ByteProperty(mouse, kProfile), (Bytes{1, 0}));
  EXPECT_EQ(ReportLines(settings)[1], std::string("0 POINTER failed precision ") + kTestPointer +
                                          kProfile + " = 0 1: the device offers no flat profile");
}

TEST_F(X11LibinputTest, TouchpadsKeepTheirOwnSettings) {
  const int touchpad = probe->AddTestPointer("Touchpad");
  ASSERT_GE(touchpad, 0);
  probe->SetSpeedProperty(mouse, 0.0f);
  probe->SetSpeedProperty(touchpad, 0.25f);
  probe->SetByteProperty(touchpad, kProfile, {1, 0});
  probe->SetByteProperty(touchpad, kTapping, {1});
  X11PointerSettings settings(server.display());
  settings.Apply({0, 20, 3});
  EXPECT_EQ(probe->SpeedProperty(mouse), 1.0f);
  EXPECT_EQ(probe->SpeedProperty(touchpad), 0.25f);
  EXPECT_EQ(probe->ByteProperty(touchpad, kProfile), (Bytes{1, 0}));
}

TEST_F(X11LibinputTest, WithoutALibinputMouseOnlyThePointerControlChanges) {
  X11PointerSettings settings(server.display());
  settings.Apply({1, 15, 3});
  EXPECT_THAT(ReportLines(settings),
              ElementsAre("0 POINTER backend x11",
                          "0 POINTER set precision X pointer control = acceleration 2/1 above 6",
                          "0 POINTER not-applied lines: an X11 desktop other than KDE has no "
                          "scroll-lines setting",
                          "0 POINTER not-applied speed: no mouse on the X display has libinput "
                          "properties"));
}

}  // namespace
}  // namespace n63k
