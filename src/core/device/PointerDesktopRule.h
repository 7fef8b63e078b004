#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/device/PointerMapping.h"

namespace n63k {

// What the session tells about itself.
struct SessionFacts {
  std::string sessionType;      // XDG_SESSION_TYPE
  std::string currentDesktop;   // XDG_CURRENT_DESKTOP, names separated by ':'
  bool waylandDisplay = false;  // WAYLAND_DISPLAY is set
  bool xDisplay = false;        // DISPLAY is set
};

// Whether a name is owned on the session bus; asked only when the
// environment does not name a known desktop.
using BusNameOwned = std::function<bool(std::string_view name)>;

// Which desktop's pointer settings to change. The desktop comes from
// XDG_CURRENT_DESKTOP (GNOME or KDE), else from whose compositor owns its name
// on the session bus (org.gnome.Shell, org.kde.KWin); the session type from
// XDG_SESSION_TYPE, else from the display variables. GNOME keeps one set of
// settings for both session types; KDE differs between them; another
// desktop is reached only through X11.
PointerDesktop SelectPointerDesktop(const SessionFacts& facts, const BusNameOwned& owned);

// Whether the session is an X11 one (a session started with startx tells
// "tty"), so that an X client sees every pointer's input; never under
// Wayland, whose X server sees only what is aimed at X windows.
bool IsX11Session(const SessionFacts& facts);

}  // namespace n63k
