#pragma once
// Driving the real program on an X server from a test: finding its main
// window, reading screen pixels, typing, clicking and closing it as a window
// manager would.

#include <QColor>
#include <QElapsedTimer>
#include <QRect>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

#include <functional>
#include <string>

#include "XHand.h"

namespace xprogram {

struct WindowInfo {
  Window id = 0;
  QRect rect;
  QByteArray resClass;
};

// The mapped top-level window titled "Huebrook" of the main window's size.
inline WindowInfo FindMainWindow(Display* d) {
  WindowInfo found;
  Window root = DefaultRootWindow(d), parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(d, root, &root, &parent, &children, &count)) return found;
  for (unsigned i = 0; i < count && !found.id; ++i) {
    char* name = nullptr;
    XWindowAttributes a;
    if (XFetchName(d, children[i], &name) && name && std::string(name) == "Huebrook" &&
        XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && a.width == 672 && a.height == 671) {
      found.id = children[i];
      found.rect = QRect(a.x, a.y, a.width, a.height);
      XClassHint hint{};
      if (XGetClassHint(d, children[i], &hint)) {
        found.resClass = hint.res_class;
        XFree(hint.res_name);
        XFree(hint.res_class);
      }
    }
    if (name) XFree(name);
  }
  if (children) XFree(children);
  return found;
}

// Whether a popup (a mapped override-redirect window: a menu, a combo box's
// list) is on the screen, over the point at when one is given. A menu opens
// with its corner at the point it was asked for, where a tooltip never
// stands.
inline bool PopupShown(Display* d, QPoint at = QPoint(-1, -1)) {
  // Windows may vanish while the tree is read.
  const auto oldHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  Window root = DefaultRootWindow(d), parent = 0, *children = nullptr;
  unsigned count = 0;
  bool found = false;
  if (XQueryTree(d, root, &root, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && !found; ++i) {
      XWindowAttributes a;
      found = XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && a.override_redirect &&
              (at.x() < 0 || QRect(a.x, a.y, a.width, a.height).contains(at));
    }
    if (children) XFree(children);
  }
  XSync(d, False);
  XSetErrorHandler(oldHandler);
  return found;
}

inline bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    if (done()) return true;
    QTest::qWait(20);
  }
  return done();
}

inline WindowInfo WaitForMainWindow(Display* d, int ms = 30000) {
  WindowInfo w;
  WaitFor([&] { return (w = FindMainWindow(d)).id != 0; }, ms);
  return w;
}

// Where the window's client area starts on the screen.
inline QPoint Origin(Display* d, Window w) {
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
  return {x, y};
}

inline QColor PixelAt(Display* d, QPoint p) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), p.x(), p.y(), 1, 1, AllPlanes, ZPixmap);
  if (!image) return {};
  const unsigned long v = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return QColor(int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF));
}

inline void Key(Display* d, KeySym sym, bool control = false) {
  const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
  if (control) XTestFakeKeyEvent(d, ctrl, True, 0);
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), True, 0);
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), False, 0);
  if (control) XTestFakeKeyEvent(d, ctrl, False, 0);
  XSync(d, False);
}

// Letters and digits, one key each.
inline void Type(Display* d, const char* text) {
  for (const char* p = text; *p; ++p) Key(d, XStringToKeysym(std::string(1, *p).c_str()));
}

inline void Click(const Hand& hand, QPoint at, unsigned button = 1) {
  hand.MoveTo(at);
  QTest::qWait(30);
  hand.Button(button, true);
  hand.Button(button, false);
  QTest::qWait(30);
}

// Asks the window to close as a window manager's close button does.
inline void CloseWindow(Display* d, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
  XSendEvent(d, w, False, NoEventMask, &e);
  XSync(d, False);
}

} // namespace xprogram
