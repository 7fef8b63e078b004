#include <gio/gio.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/device/TracingPointerSettings.h"
#include "platform/GnomePointerSettings.h"
#include "platform/SessionBusChild.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using ::testing::ElementsAre;

constexpr char kSchema[] = "org.gnome.desktop.peripherals.mouse";

// The report as the trace prints it, without the time.
std::vector<std::string> ReportLines(const PointerSettings& settings) {
  return PointerReportLines(0, settings.LastReport(), 0);
}

// Each test runs again under a session bus of its own with GSettings kept in
// memory, so nothing reaches the settings of the user who runs the tests.
TEST(GnomePointerSettings, TheDesktopsMouseKeysReadBack) {
  if (!test::InSessionBusChild()) {
    EXPECT_EQ(test::RunUnderSessionBus({"GSETTINGS_BACKEND=memory"}), 0);
    return;
  }
  struct Case {
    PointerValues values;
    std::string profile;
    double speed;
  };
  const std::vector<Case> cases = {
      {{1, 15, 3}, "adaptive", 0.5},
      {{0, 1, 3}, "flat", -0.9},
      {{0, 20, -1}, "flat", 1.0},
      {{1, 10, 30}, "adaptive", 0.0},
  };
  GnomePointerSettings settings;
  GSettings* keys = g_settings_new(kSchema);
  for (const Case& c : cases) {
    settings.Apply(c.values);
    gchar* profile = g_settings_get_string(keys, "accel-profile");
    EXPECT_EQ(std::string(profile), c.profile) << c.values.speed;
    g_free(profile);
    EXPECT_DOUBLE_EQ(g_settings_get_double(keys, "speed"), c.speed) << c.values.speed;
  }
  g_object_unref(keys);

  settings.Apply({0, 15, 5});
  EXPECT_THAT(ReportLines(settings),
              ElementsAre("0 POINTER backend gnome",
                          "0 POINTER set precision org.gnome.desktop.peripherals.mouse "
                          "accel-profile = 'flat'",
                          "0 POINTER set speed org.gnome.desktop.peripherals.mouse speed = 0.5",
                          "0 POINTER not-applied lines: GNOME has no scroll-lines setting for "
                          "mice"));
}

TEST(GnomePointerSettings, WithoutTheDesktopsSettingsNothingChanges) {
  if (!test::InSessionBusChild()) {
    const test::TempDir empty;
    EXPECT_EQ(test::RunUnderSessionBus({"GSETTINGS_BACKEND=memory",
                                        "XDG_DATA_DIRS=" + empty.path().string(),
                                        "XDG_DATA_HOME=" + empty.path().string()}),
              0);
    return;
  }
  GnomePointerSettings settings;
  settings.Apply({1, 15, -1});
  const std::string reason = "no GNOME mouse settings (org.gnome.desktop.peripherals.mouse) here";
  const std::vector<std::string> expected = {
      "0 POINTER backend gnome",
      "0 POINTER not-applied lines: no Linux desktop scrolls one screen per notch",
      "0 POINTER not-applied precision: " + reason, "0 POINTER not-applied speed: " + reason};
  EXPECT_EQ(ReportLines(settings), expected);
}

}  // namespace
}  // namespace n63k
