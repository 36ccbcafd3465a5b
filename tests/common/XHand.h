#pragma once
// A test's own hand on the X pointer: moves and button presses through XTest
// on a connection of the test's own, each flushed to the server at once.

#include <QPoint>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

struct Hand {
  Display* d = XOpenDisplay(nullptr);
  Hand() = default;
  Hand(const Hand&) = delete;
  Hand& operator=(const Hand&) = delete;
  ~Hand() {
    if (d) XCloseDisplay(d);
  }
  Window Root() const { return DefaultRootWindow(d); }
  void Done() const { XSync(d, False); }
  void MoveTo(QPoint p) const {
    XTestFakeMotionEvent(d, -1, p.x(), p.y(), 0);
    Done();
  }
  void MoveBy(QPoint p) const {
    XTestFakeRelativeMotionEvent(d, p.x(), p.y(), 0);
    Done();
  }
  void Warp(QPoint p) const {
    XWarpPointer(d, 0, Root(), 0, 0, 0, 0, p.x(), p.y());
    Done();
  }
  void Button(unsigned b, bool down) const {
    XTestFakeButtonEvent(d, b, down, 0);
    Done();
  }
  QPoint Where() const {
    Window r, c;
    int x = 0, y = 0, wx, wy;
    unsigned m;
    XQueryPointer(d, Root(), &r, &c, &x, &y, &wx, &wy, &m);
    return {x, y};
  }
};
