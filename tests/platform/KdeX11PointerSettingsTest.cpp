#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "core/device/TracingPointerSettings.h"
#include "platform/FakeProgram.h"
#include "platform/KdeX11PointerSettings.h"
#include "platform/KwinStandIn.h"
#include "platform/XProbe.h"
#include "platform/XvfbServer.h"
#include "support/ScopedEnv.h"

namespace n63k {
namespace {

using ::testing::Contains;

constexpr char kProfile[] = "libinput Accel Profile Enabled";
constexpr char kNotice[] = "signal notifyChange 3 0";

// An X server with a libinput mouse, a bus that hears KDE's change notices,
// and a configuration writer that notes its calls.
class KdeX11PointerSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    ASSERT_FALSE(bus.address().empty()) << "the session bus did not start";
    probe = std::make_unique<test::XProbe>(server.display());
    mouse = probe->TestPointer();
    ASSERT_GE(mouse, 0);
    probe->SetSpeedProperty(mouse, 0.0f);
    probe->SetByteProperty(mouse, kProfile, {1, 0});
    test::FakeProgram(writers, "kwriteconfig6");
    path = std::make_unique<test::ScopedEnv>("PATH", writers.path().string());
  }

  test::XvfbServer server;
  test::KwinStandIn bus{{"--anonymous"}};
  test::TempDir writers;
  std::unique_ptr<test::ScopedEnv> path;
  std::unique_ptr<test::XProbe> probe;
  int mouse = -1;
};

TEST_F(KdeX11PointerSettingsTest, TheInputFileTheLiveMiceAndTheWheelLines) {
  KdeX11PointerSettings settings(server.display(), bus.address());
  settings.Apply({0, 15, 7});
  EXPECT_EQ(
      test::Calls(writers),
      "kwriteconfig6 --file kcminputrc --group Mouse --key XLbInptAccelProfileFlat -- true\n"
      "kwriteconfig6 --file kcminputrc --group Mouse --key XLbInptPointerAcceleration -- 0.5\n"
      "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines --notify -- 7\n");
  EXPECT_EQ(probe->SpeedProperty(mouse), 0.5f);
  EXPECT_EQ(probe->ByteProperty(mouse, kProfile), (std::vector<std::uint8_t>{0, 1}));
  EXPECT_THAT(bus.Lines(kNotice), Contains(kNotice));
  EXPECT_TRUE(settings.LastReport().notApplied.empty());
}

TEST_F(KdeX11PointerSettingsTest, OneScreenPerNotchLeavesTheLinesAlone) {
  KdeX11PointerSettings settings(server.display(), bus.address());
  settings.Apply({1, 5, -1});
  EXPECT_EQ(
      test::Calls(writers),
      "kwriteconfig6 --file kcminputrc --group Mouse --key XLbInptAccelProfileFlat -- false\n"
      "kwriteconfig6 --file kcminputrc --group Mouse --key XLbInptPointerAcceleration -- -0.5\n");
  EXPECT_EQ(probe->ByteProperty(mouse, kProfile), (std::vector<std::uint8_t>{1, 0}));
  const PointerReport report = settings.LastReport();
  ASSERT_EQ(report.notApplied.size(), 1u);
  EXPECT_EQ(report.notApplied[0].setting, PointerSetting::kLines);
}

}  // namespace
}  // namespace n63k
