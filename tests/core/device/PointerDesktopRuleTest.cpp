#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/device/PointerDesktopRule.h"

namespace n63k {
namespace {

using enum PointerDesktop;

struct Case {
  SessionFacts facts;
  std::set<std::string> busNames;
  PointerDesktop expected;
};

TEST(PointerDesktopRule, TheEnvironmentThenTheBusNameTheDesktop) {
  const std::vector<Case> cases = {
      {{"wayland", "GNOME", true, true}, {}, kGnome},
      {{"x11", "ubuntu:GNOME", false, true}, {}, kGnome},
      {{"wayland", "KDE", true, true}, {}, kKdeWayland},
      {{"x11", "KDE", false, true}, {}, kKdeX11},
      {{"x11", "XFCE", false, true}, {}, kX11},
      {{"wayland", "sway", true, true}, {}, kNone},
      {{"tty", "", false, false}, {}, kNone},
      // Names compare without regard to case.
      {{"Wayland", "kde", true, false}, {}, kKdeWayland},
      // The environment wins over the bus.
      {{"x11", "GNOME", false, true}, {"org.kde.KWin"}, kGnome},
      // Without a known name in the environment the bus decides.
      {{"wayland", "", true, false}, {"org.kde.KWin"}, kKdeWayland},
      {{"x11", "", false, true}, {"org.gnome.Shell"}, kGnome},
      {{"x11", "Budgie", false, true}, {"org.kde.KWin", "org.gnome.Shell"}, kKdeX11},
      // Without XDG_SESSION_TYPE the display variables tell the session.
      {{"", "KDE", true, true}, {}, kKdeWayland},
      {{"", "KDE", false, true}, {}, kKdeX11},
      {{"", "", false, true}, {}, kX11},
      {{"", "KDE", false, false}, {}, kNone},
      {{"", "GNOME", false, false}, {}, kGnome},
  };
  for (const Case& c : cases) {
    std::vector<std::string> asked;
    const auto owned = [&](std::string_view name) {
      asked.emplace_back(name);
      return c.busNames.contains(std::string(name));
    };
    EXPECT_EQ(SelectPointerDesktop(c.facts, owned), c.expected)
        << c.facts.sessionType << " / " << c.facts.currentDesktop;
    const bool environmentNamesOne = c.facts.currentDesktop.find("GNOME") != std::string::npos ||
                                     c.facts.currentDesktop.find("KDE") != std::string::npos ||
                                     c.facts.currentDesktop == "kde";
    if (environmentNamesOne) {
      EXPECT_TRUE(asked.empty()) << "the bus is asked only when the environment names no desktop";
    }
  }
}

TEST(PointerDesktopRule, X11SessionsFromTheSessionTypeThenTheDisplays) {
  const struct {
    SessionFacts facts;
    bool x11;
  } cases[] = {
      {{"x11", "", false, true}, true},      {{"X11", "", true, true}, true},
      {{"wayland", "", false, true}, false}, {{"tty", "", false, true}, true},
      {{"tty", "", true, true}, false},      {{"", "", false, true}, true},
      {{"", "", false, false}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts.sessionType + (c.facts.waylandDisplay ? " +wayland" : ""));
    EXPECT_EQ(IsX11Session(c.facts), c.x11);
  }
}

}  // namespace
}  // namespace n63k
