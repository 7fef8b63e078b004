#pragma once

namespace n63k::ui {

// Whether the window system blends windows with per-pixel alpha: always on
// Wayland, on X11 only while a compositing manager runs. Elsewhere (the
// offscreen platform, a bare X server) a see-through pixel would show black.
bool WindowSystemComposites();

}  // namespace n63k::ui
