#include <gtest/gtest.h>

#include "platform/X11PointerTravel.h"
#include "platform/XvfbServer.h"

// Last: Xlib's macros (None, Bool) would break GoogleTest's headers.
#include <X11/Xlib.h>

namespace n63k {
namespace {

// Moves the pointer of the display as a user's mouse would.
void WarpTo(Display* display, int x, int y) {
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
  XSync(display, False);
}

TEST(X11PointerTravel, SumsHorizontalAndVerticalMovesSinceTheLastReading) {
  test::XvfbServer server;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  Display* mover = XOpenDisplay(server.display().c_str());
  ASSERT_NE(mover, nullptr);
  WarpTo(mover, 100, 100);

  X11PointerTravel travel(server.display());
  ASSERT_TRUE(travel.Connected());
  EXPECT_EQ(travel.TakeTravel(), 0u);
  WarpTo(mover, 130, 60);
  EXPECT_EQ(travel.TakeTravel(), 70u);
  WarpTo(mover, 10, 70);
  WarpTo(mover, 20, 80);
  // Only where the pointer is at each reading counts.
  EXPECT_EQ(travel.TakeTravel(), 110u + 20u);
  EXPECT_EQ(travel.TakeTravel(), 0u);
  XCloseDisplay(mover);
}

TEST(X11PointerTravel, WithoutADisplayTravelIsZero) {
  X11PointerTravel travel(":999999");
  EXPECT_FALSE(travel.Connected());
  EXPECT_EQ(travel.TakeTravel(), 0u);
}

}  // namespace
}  // namespace n63k
