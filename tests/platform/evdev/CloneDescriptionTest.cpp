#include <gtest/gtest.h>
#include <linux/input.h>

#include <string>

#include "platform/evdev/CloneDescription.h"

namespace n63k::platform {
namespace {

// The mouse as libevdev describes it, built in memory: no device needed.
LibevdevDevice Mouse() {
  LibevdevDevice mouse(libevdev_new());
  libevdev_set_name(mouse.get(), "Korvu N63K");
  libevdev_set_id_bustype(mouse.get(), BUS_USB);
  libevdev_set_id_vendor(mouse.get(), 0x24ae);
  libevdev_set_id_product(mouse.get(), 0x4110);
  libevdev_set_id_version(mouse.get(), 0x0111);
  constexpr unsigned kButtons[] = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA};
  constexpr unsigned kAxes[] = {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES, REL_HWHEEL};
  for (const unsigned button : kButtons) {
    libevdev_enable_event_code(mouse.get(), EV_KEY, button, nullptr);
  }
  libevdev_enable_event_code(mouse.get(), EV_KEY, KEY_VOLUMEUP, nullptr);
  for (const unsigned axis : kAxes) {
    libevdev_enable_event_code(mouse.get(), EV_REL, axis, nullptr);
  }
  libevdev_enable_event_code(mouse.get(), EV_MSC, MSC_SCAN, nullptr);
  const input_absinfo volume{
      .value = 3, .minimum = 0, .maximum = 10, .fuzz = 1, .flat = 0, .resolution = 2};
  libevdev_enable_event_code(mouse.get(), EV_ABS, ABS_VOLUME, &volume);
  const int delay = 250;
  libevdev_enable_event_code(mouse.get(), EV_REP, REP_DELAY, &delay);
  libevdev_enable_property(mouse.get(), INPUT_PROP_POINTER);
  return mouse;
}

TEST(CloneDescriptionTest, CopiesTheMouseIdentityAndEveryCapability) {
  const LibevdevDevice mouse = Mouse();
  const LibevdevDevice clone = CloneDescription(*mouse);
  ASSERT_TRUE(clone);

  EXPECT_EQ(std::string(libevdev_get_name(clone.get())), "Korvu N63K (N63K pass-through)");
  EXPECT_EQ(libevdev_get_id_bustype(clone.get()), BUS_USB);
  EXPECT_EQ(libevdev_get_id_vendor(clone.get()), 0x24ae);
  EXPECT_EQ(libevdev_get_id_product(clone.get()), 0x4110);
  EXPECT_EQ(libevdev_get_id_version(clone.get()), 0x0111);
  for (unsigned property = 0; property <= INPUT_PROP_MAX; ++property) {
    EXPECT_EQ(libevdev_has_property(clone.get(), property),
              libevdev_has_property(mouse.get(), property))
        << "property " << property;
  }
  for (unsigned type = 0; type <= EV_MAX; ++type) {
    EXPECT_EQ(libevdev_has_event_type(clone.get(), type),
              libevdev_has_event_type(mouse.get(), type))
        << "type " << type;
    const int maxCode = libevdev_event_type_get_max(type);
    for (unsigned code = 0; maxCode >= 0 && code <= static_cast<unsigned>(maxCode); ++code) {
      EXPECT_EQ(libevdev_has_event_code(clone.get(), type, code),
                libevdev_has_event_code(mouse.get(), type, code))
          << "type " << type << " code " << code;
    }
  }
  const input_absinfo* volume = libevdev_get_abs_info(clone.get(), ABS_VOLUME);
  ASSERT_NE(volume, nullptr);
  EXPECT_EQ(volume->maximum, 10);
  EXPECT_EQ(volume->fuzz, 1);
  EXPECT_EQ(volume->resolution, 2);
  EXPECT_EQ(libevdev_get_event_value(clone.get(), EV_REP, REP_DELAY), 250);
}

}  // namespace
}  // namespace n63k::platform
