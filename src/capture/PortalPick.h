#pragma once
// Screen picking where X11 cannot see the whole screen (a Wayland session):
// the eyedropper, the still capture and the dynamic mode ask the desktop
// portal for one colour instead of reading pixels, which would all come back
// black; the HSV chart is read from its own picture.

#include "capture/ScreenPicking.h"

namespace hb {

class TColorPortal;
class TImage;

class TPortalPick : public TScreenPicking {
  Q_OBJECT
 public:
  // chart: the HSV chart. portal: the client to use (tests: one on a
  // private bus); nullptr asks on the session bus.
  TPortalPick(QObject* parent, TImage* chart, SetColorsFn setColors, TColorPortal* portal = nullptr);

  // Each asks the portal for a colour; the user clicks once anywhere. The
  // colour becomes current through setColors; a cancel changes nothing; a
  // missing or refusing portal, a bad answer or none within a minute is told
  // in one error box. A pick while one is running is ignored.
  void EyedropperDown() override { Pick(); }
  void EyedropperMove(Qt::MouseButtons) override {}
  void EyedropperUp() override {}
  void StillCapture() override { Pick(); }
  void DynamicCapture() override { Pick(); }
  // The chart's pixel under the press, then under each move with the left
  // button held, the point moved into the picture first.
  void ChartDown(QPoint p) override;
  void ChartMove(Qt::MouseButtons buttons, QPoint p) override;
  void ChartUp() override;
  bool Busy() const override;

 private:
  void Pick();
  void PickChart(QPoint p);

  TImage* chart_;
  SetColorsFn setColors_;
  TColorPortal* portal_;
};

} // namespace hb
