#include "platform/DesktopPointerSelection.h"

#include <cstdlib>

#include "core/device/DesktopPointerSettings.h"
#include "core/device/PointerDesktopRule.h"
#include "platform/GnomePointerSettings.h"
#include "platform/KdeWaylandPointerSettings.h"
#include "platform/KdeX11PointerSettings.h"
#include "platform/SessionBus.h"
#include "platform/X11PointerSettings.h"

namespace n63k {
namespace {

// A session whose desktop the program does not know: the account says so for
// each value.
class NoDesktopPointerSettings final : public DesktopPointerSettings {
 public:
  NoDesktopPointerSettings() : DesktopPointerSettings(PointerDesktop::kNone) {}

 private:
  void Write(const DesktopPointerValues&, PointerReport&) override {}
};

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::unique_ptr<PointerSettings> MakeDesktopPointerSettings() {
  const SessionFacts facts = {Variable("XDG_SESSION_TYPE"), Variable("XDG_CURRENT_DESKTOP"),
                              !Variable("WAYLAND_DISPLAY").empty(), !Variable("DISPLAY").empty()};
  std::unique_ptr<SessionBus> bus;
  const auto owned = [&bus](std::string_view name) {
    if (bus == nullptr) {
      bus = std::make_unique<SessionBus>();
    }
    return bus->connected() && bus->OwnsName(name);
  };
  switch (SelectPointerDesktop(facts, owned)) {
    case PointerDesktop::kGnome:
      return std::make_unique<GnomePointerSettings>();
    case PointerDesktop::kKdeWayland:
      return std::make_unique<KdeWaylandPointerSettings>();
    case PointerDesktop::kKdeX11:
      return std::make_unique<KdeX11PointerSettings>();
    case PointerDesktop::kX11:
      return std::make_unique<X11PointerSettings>();
    case PointerDesktop::kNone:
      break;
  }
  return std::make_unique<NoDesktopPointerSettings>();
}

}  // namespace n63k
