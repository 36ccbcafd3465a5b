#pragma once
// Picking a colour on the screen: the eyedropper's drag, the still capture,
// the dynamic mode and the HSV chart. Which way it works is decided once, at
// start-up: in an X11 session the program reads the screen's pixels itself
// (TX11Pick); where it cannot (a Wayland session), the desktop portal lets
// the user click one pixel (TPortalPick).

#include <QObject>
#include <QPoint>
#include <functional>

namespace hb {

class TScreenPicking : public QObject {
 public:
  // A colour picked becomes current through this.
  using SetColorsFn = std::function<void(int R, int G, int B)>;
  using QObject::QObject;

  virtual void EyedropperDown() = 0;
  virtual void EyedropperMove(Qt::MouseButtons buttons) = 0;
  virtual void EyedropperUp() = 0;
  virtual void StillCapture() = 0;
  virtual void DynamicCapture() = 0;
  // The dynamic mode's end button (only shown while the mode runs).
  virtual void EndDynamicCapture() {}
  // A press, a move and a release over the HSV chart, at p in its picture.
  virtual void ChartDown(QPoint p) = 0;
  virtual void ChartMove(Qt::MouseButtons buttons, QPoint p) = 0;
  virtual void ChartUp() = 0;
  // A pick is under way that the user has not finished (the portal's).
  virtual bool Busy() const { return false; }
};

} // namespace hb
