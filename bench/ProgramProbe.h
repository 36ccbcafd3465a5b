#pragma once
// What the whole-program probes share: starting the program and catching its
// main window as the X server maps it, and closing it as a window manager would.
// The caller selects SubstructureNotifyMask on the root window once, and keeps
// its display open across runs: with no client left, the X server would reset
// itself between two runs and refuse the next connection.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace probe {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

inline bool IsMainWindow(Display* display, Window window) {
  char* name = nullptr;
  bool match = false;
  if (XFetchName(display, window, &name) && name) {
    XWindowAttributes attributes;
    match = std::strcmp(name, "Huebrook") == 0 && XGetWindowAttributes(display, window, &attributes) &&
            attributes.width == 672 && attributes.height == 671;
    XFree(name);
  }
  return match;
}

// Starts the program and returns its main window once mapped, or 0 when none
// is mapped before the deadline. *mapped tells when it was.
inline Window StartProgram(Display* display, const char* program, pid_t* pid, std::chrono::seconds timeout,
                           Clock::time_point* mapped = nullptr) {
  XSync(display, True);  // forget the events of earlier runs
  *pid = fork();
  if (*pid == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  const Clock::time_point deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && IsMainWindow(display, event.xmap.window)) {
        if (mapped) *mapped = Clock::now();
        return event.xmap.window;
      }
    }
    usleep(200);
  }
  return 0;
}

// What the window manager sends when the user closes the window.
inline void RequestClose(Display* display, Window window) {
  XEvent e;
  std::memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &e);
  XFlush(display);
}

} // namespace probe
