#pragma once
// Whether a compositor draws the desktop: then windows may be translucent and
// pop-ups get their shadows from it rather than from the program.

namespace quorvant::platform {

// Wayland always composes; on X11 a compositing manager owns the
// "_NET_WM_CM_S<screen>" selection. False elsewhere (offscreen, no X11 link).
bool IsDesktopComposited();

} // namespace quorvant::platform
