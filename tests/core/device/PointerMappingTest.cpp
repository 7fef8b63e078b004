#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/device/PointerMapping.h"

namespace n63k {
namespace {

using enum PointerDesktop;

// One line per mapping, so a table row reads as what the desktop gets.
std::string Describe(const DesktopPointerValues& mapped) {
  std::string text;
  if (mapped.profile) {
    text += *mapped.profile == AccelProfile::kFlat ? "flat " : "adaptive ";
  }
  if (mapped.acceleration) {
    text += "accel " + PointerNumberText(*mapped.acceleration) + ' ';
  }
  if (mapped.scrollFactor) {
    text += "factor " + PointerNumberText(*mapped.scrollFactor) + ' ';
  }
  if (mapped.wheelScrollLines) {
    text += "wheel " + std::to_string(*mapped.wheelScrollLines) + ' ';
  }
  for (const PointerReport::Shortfall& missed : mapped.notApplied) {
    text += "| " + std::string(PointerSettingName(missed.setting)) + ": " + missed.reason + ' ';
  }
  if (!text.empty()) {
    text.pop_back();
  }
  return text;
}

struct Case {
  PointerDesktop desktop;
  PointerValues values;
  std::string expected;
};

TEST(PointerMapping, EachValueOnEachDesktop) {
  const std::string gnomeLines = "| lines: GNOME has no scroll-lines setting for mice";
  const std::string x11Lines = "| lines: an X11 desktop other than KDE has no scroll-lines setting";
  const std::string screen = "| lines: no Linux desktop scrolls one screen per notch";
  const std::string none = "no desktop here whose pointer settings the program can change";
  const std::vector<Case> cases = {
      // Precision: on is adaptive, whatever nonzero value holds it.
      {kGnome, {0, 10, 3}, "flat accel 0 " + gnomeLines},
      {kGnome, {1, 10, 3}, "adaptive accel 0 " + gnomeLines},
      {kGnome, {-7, 10, 3}, "adaptive accel 0 " + gnomeLines},
      {kKdeWayland, {1, 10, 3}, "adaptive accel 0 factor 1 wheel 3"},
      {kKdeX11, {0, 10, 3}, "flat accel 0 wheel 3"},
      {kX11, {1, 10, 3}, "adaptive accel 0 " + x11Lines},
      // Speed: tenths either side of 10, held at the ends.
      {kGnome, {0, 1, 3}, "flat accel -0.9 " + gnomeLines},
      {kGnome, {0, 9, 3}, "flat accel -0.1 " + gnomeLines},
      {kGnome, {0, 11, 3}, "flat accel 0.1 " + gnomeLines},
      {kKdeWayland, {0, 15, 3}, "flat accel 0.5 factor 1 wheel 3"},
      {kKdeX11, {0, 20, 3}, "flat accel 1 wheel 3"},
      {kX11, {0, 19, 3}, "flat accel 0.9 " + x11Lines},
      {kX11, {0, 0, 3}, "flat accel -1 " + x11Lines},
      {kX11, {0, -5, 3}, "flat accel -1 " + x11Lines},
      {kX11, {0, 30, 3}, "flat accel 1 " + x11Lines},
      {kX11, {0, INT_MIN, 3}, "flat accel -1 " + x11Lines},
      {kX11, {0, INT_MAX, 3}, "flat accel 1 " + x11Lines},
      // Lines: a factor on Plasma Wayland's three, KDE's own setting on X11.
      {kKdeWayland, {0, 10, 1}, "flat accel 0 factor 0.3333333333333333 wheel 3"},
      {kKdeWayland, {0, 10, 5}, "flat accel 0 factor 1.6666666666666667 wheel 3"},
      {kKdeWayland, {0, 10, 30}, "flat accel 0 factor 10 wheel 3"},
      {kKdeX11, {0, 10, 1}, "flat accel 0 wheel 1"},
      {kKdeX11, {0, 10, 30}, "flat accel 0 wheel 30"},
      {kGnome, {0, 10, 30}, "flat accel 0 " + gnomeLines},
      // One screen per notch, and values that are no setting of the profile.
      {kGnome, {0, 10, -1}, "flat accel 0 " + screen},
      {kKdeWayland, {0, 10, -1}, "flat accel 0 " + screen},
      {kKdeX11, {0, 10, -1}, "flat accel 0 " + screen},
      {kX11, {0, 10, -1}, "flat accel 0 " + screen},
      {kKdeX11, {0, 10, 0}, "flat accel 0 | lines: lines 0 outside 1-30"},
      {kKdeWayland, {0, 10, 31}, "flat accel 0 | lines: lines 31 outside 1-30"},
      {kKdeX11, {0, 10, -2}, "flat accel 0 | lines: lines -2 outside 1-30"},
      // Without a known desktop nothing is expressed.
      {kNone, {1, 15, 5}, "| precision: " + none + " | speed: " + none + " | lines: " + none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(MapPointerValues(c.desktop, c.values)), c.expected)
        << PointerDesktopName(c.desktop) << ' ' << c.values.precision << ' ' << c.values.speed
        << ' ' << c.values.scrollLines;
  }
}

}  // namespace
}  // namespace n63k
