#include "platform/X11PointerSettings.h"

#include "platform/XInputPointer.h"

namespace n63k {

void X11PointerSettings::Write(const DesktopPointerValues& values, PointerReport& report) {
  WriteXInputPointer(displayName_, values, report);
}

}  // namespace n63k
