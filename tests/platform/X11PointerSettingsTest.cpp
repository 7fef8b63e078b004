#include <gtest/gtest.h>

#include <memory>

#include "platform/X11PointerSettings.h"
#include "platform/XProbe.h"
#include "platform/XvfbServer.h"

namespace n63k {
namespace {

class X11PointerSettingsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = std::make_unique<test::XvfbServer>(); }
  static void TearDownTestSuite() { server.reset(); }

  void SetUp() override {
    ASSERT_FALSE(server->display().empty()) << "Xvfb did not start";
    probe = std::make_unique<test::XProbe>(server->display());
    ASSERT_TRUE(probe->connected());
  }

  static std::unique_ptr<test::XvfbServer> server;
  std::unique_ptr<test::XProbe> probe;
};

std::unique_ptr<test::XvfbServer> X11PointerSettingsTest::server;

TEST_F(X11PointerSettingsTest, PrecisionSwitchesThePointerAcceleration) {
  X11PointerSettings settings(server->display());
  struct Case {
    std::int32_t precision;
    int numerator;
    int denominator;
  };
  for (const Case& c : {Case{1, 2, 1}, Case{0, 1, 1}, Case{7, 2, 1}}) {
    settings.Apply({c.precision, 10, 3});
    const test::XProbe::Acceleration a = probe->PointerAcceleration();
    EXPECT_EQ(a.numerator, c.numerator) << c.precision;
    EXPECT_EQ(a.denominator, c.denominator) << c.precision;
    if (c.precision != 0) {
      EXPECT_EQ(a.threshold, 6);
    }
  }
}

TEST_F(X11PointerSettingsTest, SpeedGoesToEveryDeviceWithTheLibinputProperty) {
  const int pointer = probe->TestPointer();
  const int keyboard = probe->TestKeyboard();
  ASSERT_GE(pointer, 0);
  ASSERT_GE(keyboard, 0);
  probe->SetSpeedProperty(pointer, 0.0f);
  ASSERT_TRUE(probe->SpeedProperty(pointer).has_value()) << "the server refused the property";

  X11PointerSettings settings(server->display());
  const std::vector<std::pair<std::int32_t, float>> cases = {
      {15, 0.5f}, {10, 0.0f}, {1, -0.9f}, {20, 1.0f}, {30, 1.0f}, {-5, -1.0f}, {0, -1.0f},
  };
  for (const auto& [speed, expected] : cases) {
    settings.Apply({0, speed, 3});
    const auto value = probe->SpeedProperty(pointer);
    ASSERT_TRUE(value.has_value()) << speed;
    EXPECT_FLOAT_EQ(*value, expected) << speed;
  }
  EXPECT_FALSE(probe->SpeedProperty(keyboard).has_value())
      << "a device without the property gets none";
}

TEST(X11PointerSettings, WithoutADisplayNothingChanges) {
  X11PointerSettings settings(":65000");
  settings.Apply({1, 15, 3});
}

}  // namespace
}  // namespace n63k
