// Picking from the HSV chart: the cursor is held inside the chart while a
// button is down, and the screen sampler reads the pixels the chart shows.

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
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

void TfrmMain::imgHSVMouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  hb::SetScreenCursor(hb::crEyedropper);
  StartScreenPick(true);
}

// Each move with the left button held keeps the burst going.
void TfrmMain::imgHSVMouseMove(QObject*, Qt::MouseButtons Shift, int, int) { CaptureBurst->Move(Shift); }

void TfrmMain::imgHSVMouseUp(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  hb::TheScreen().ReleaseCursor();
  hb::SetScreenCursor(hb::crDefault);
}

