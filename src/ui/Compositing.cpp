#include "ui/Compositing.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string>

namespace n63k::ui {

namespace {

// An X compositing manager owns the selection _NET_WM_CM_S<screen>.
bool X11CompositorRuns(xcb_connection_t* connection, int screen) {
  const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.c_str()),
          nullptr),
      &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) {
    return false;
  }
  const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                    nullptr),
      &std::free);
  return owner && owner->owner != XCB_WINDOW_NONE;
}

}  // namespace

bool WindowSystemComposites() {
  const QString platform = QGuiApplication::platformName();
  if (platform.startsWith(QLatin1String("wayland"))) {
    return true;
  }
  if (platform == QLatin1String("xcb")) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
      return false;
    }
    // Qt's connection is on the screen that DISPLAY names.
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) {
      screen = 0;
    }
    std::free(host);
    return X11CompositorRuns(x11->connection(), screen);
  }
  return false;
}

}  // namespace n63k::ui
