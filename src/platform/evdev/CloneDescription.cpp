#include "platform/evdev/CloneDescription.h"

#include <linux/input.h>

#include <string>

namespace n63k::platform {

LibevdevDevice CloneDescription(const libevdev& source) {
  LibevdevDevice clone(libevdev_new());
  if (!clone) {
    return clone;
  }
  const char* name = libevdev_get_name(&source);
  libevdev_set_name(clone.get(),
                    (std::string(name != nullptr ? name : "") + " (N63K pass-through)").c_str());
  libevdev_set_id_bustype(clone.get(), libevdev_get_id_bustype(&source));
  libevdev_set_id_vendor(clone.get(), libevdev_get_id_vendor(&source));
  libevdev_set_id_product(clone.get(), libevdev_get_id_product(&source));
  libevdev_set_id_version(clone.get(), libevdev_get_id_version(&source));
  for (unsigned property = 0; property <= INPUT_PROP_MAX; ++property) {
    if (libevdev_has_property(&source, property) == 1) {
      libevdev_enable_property(clone.get(), property);
    }
  }
  for (unsigned type = EV_KEY; type <= EV_MAX; ++type) {
    if (libevdev_has_event_type(&source, type) != 1) {
      continue;
    }
    libevdev_enable_event_type(clone.get(), type);
    const int maxCode = libevdev_event_type_get_max(type);
    for (int code = 0; code <= maxCode; ++code) {
      const auto eventCode = static_cast<unsigned>(code);
      if (libevdev_has_event_code(&source, type, eventCode) != 1) {
        continue;
      }
      if (type == EV_ABS) {
        libevdev_enable_event_code(clone.get(), type, eventCode,
                                   libevdev_get_abs_info(&source, eventCode));
      } else if (type == EV_REP) {
        const int value = libevdev_get_event_value(&source, type, eventCode);
        libevdev_enable_event_code(clone.get(), type, eventCode, &value);
      } else {
        libevdev_enable_event_code(clone.get(), type, eventCode, nullptr);
      }
    }
  }
  return clone;
}

}  // namespace n63k::platform
