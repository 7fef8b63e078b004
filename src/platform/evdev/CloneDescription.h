#pragma once

#include <libevdev/libevdev.h>

#include <memory>

namespace n63k::platform {

struct LibevdevFree {
  void operator()(libevdev* device) const { libevdev_free(device); }
};
using LibevdevDevice = std::unique_ptr<libevdev, LibevdevFree>;

// What our uinput clone of `source` is made from: the same identity and every
// event type, code, axis range and property, so the desktop treats it as the
// mouse, under a name of its own so a person can tell the two apart.
LibevdevDevice CloneDescription(const libevdev& source);

}  // namespace n63k::platform
