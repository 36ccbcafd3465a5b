#pragma once
// What kind of desktop session the program runs in: under Wayland, X11 screen
// reading (even through XWayland) sees only the program's own windows.

#include <string_view>

namespace hb {

// True for a Wayland session: WAYLAND_DISPLAY set and not empty, or
// XDG_SESSION_TYPE "wayland" (in any case). The arguments are the variables'
// values, empty when unset.
bool IsWaylandSession(std::string_view waylandDisplay, std::string_view sessionType);

// The same for this process's environment, read once at the first call.
bool X11SeesWholeScreen();

} // namespace hb
