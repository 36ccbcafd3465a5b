// Picking from the HSV chart: the cursor is held inside the chart while a
// button is down, and the screen sampler reads the pixels the chart shows.
// Where the screen cannot be read (Wayland), the chart's own picture is
// read instead: the same colours, the cursor's point kept inside the chart.

#include <algorithm>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/PortalPick.h"
#include "platform/Screen.h"
#include "platform/ScreenCursor.h"

void TfrmMain::WireChart() {
  connect(imgHSV, &hb::TImage::MouseDown, this, [this](Qt::MouseButton button, Qt::MouseButtons buttons, QPoint p) {
    imgHSVMouseDown(imgHSV, button, buttons, p.x(), p.y());
  });
  connect(imgHSV, &hb::TImage::MouseMove, this, [this](Qt::MouseButtons buttons, QPoint p) {
    imgHSVMouseMove(imgHSV, buttons, p.x(), p.y());
  });
  connect(imgHSV, &hb::TImage::MouseUp, this, [this](Qt::MouseButton button, Qt::MouseButtons buttons, QPoint p) {
    imgHSVMouseUp(imgHSV, button, buttons, p.x(), p.y());
  });
}

namespace {

// The chart's pixel at (X, Y), the point moved into the picture first.
QRgb ChartPixel(const QImage& chart, int X, int Y) {
  return chart.pixel(std::clamp(X, 0, chart.width() - 1), std::clamp(Y, 0, chart.height() - 1));
}

} // namespace

void TfrmMain::imgHSVMouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int X, int Y) {
  hb::SetScreenCursor(hb::crEyedropper);
  if (PortalPick->Active()) {
    const QRgb c = ChartPixel(imgHSV->Canvas(), X, Y);
    return SetColors(qRed(c), qGreen(c), qBlue(c));
  }
  StartScreenPick(true);
}

// Each move with the left button held keeps the burst going.
void TfrmMain::imgHSVMouseMove(QObject*, Qt::MouseButtons Shift, int X, int Y) {
  if (!PortalPick->Active()) return CaptureBurst->Move(Shift);
  if (!(Shift & Qt::LeftButton)) return;
  const QRgb c = ChartPixel(imgHSV->Canvas(), X, Y);
  SetColors(qRed(c), qGreen(c), qBlue(c));
}

void TfrmMain::imgHSVMouseUp(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  hb::TheScreen().ReleaseCursor();
  hb::SetScreenCursor(hb::crDefault);
}

