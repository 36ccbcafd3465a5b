// Taking a colour from the screen: the eyedropper drag with its sampling
// bursts, the dynamic mode that follows the cursor, and the still capture.

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/FramePeriod.h"
#include "capture/PortalPick.h"
#include "capture/ScreenColorPicker.h"
#include "capture/frmCaption.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/ScreenCursor.h"
#include "platform/Session.h"

void TfrmMain::WireCapture() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  CaptureBurst = new hb::TCaptureBurst(this, *abfColorPicker1, *TimMouseDoun,
                                       hb::FramePeriodMs(primary ? primary->refreshRate() : 0.0));
  // A sample every millisecond sets the twenty controls; painting them that
  // often would cost most of a core, so a burst paints once per frame.
  CaptureBurst->PaceRepaintsOf(this);
  PortalPick = new hb::TPortalPick(this, !hb::X11SeesWholeScreen(), [this](int R, int G, int B) { SetColors(R, G, B); });
  abfColorPicker1->SetOnTimer([this](QObject* sender) { abfColorPicker1Timer(sender); });
  TimMouseDoun->SetOnTimer([this](QObject* sender) { TimMouseDounTimer(sender); });

  connect(btnColorCapture, &TPictureButton::MouseDown, this,
          [this](Qt::MouseButton button, Qt::MouseButtons buttons, QPoint p) {
            btnColorCaptureMouseDown(btnColorCapture, button, buttons, p.x(), p.y());
          });
  connect(btnColorCapture, &TPictureButton::MouseMove, this, [this](Qt::MouseButtons buttons, QPoint p) {
    btnColorCaptureMouseMove(btnColorCapture, buttons, p.x(), p.y());
  });
  connect(btnColorCapture, &TPictureButton::MouseUp, this,
          [this](Qt::MouseButton button, Qt::MouseButtons buttons, QPoint p) {
            btnColorCaptureMouseUp(btnColorCapture, button, buttons, p.x(), p.y());
          });
  connect(btn_StaticCapture, &QPushButton::clicked, this, [this] { btn_StaticCaptureClick(btn_StaticCapture); });
  connect(btn_DynamicCapture, &QPushButton::clicked, this, [this] { btn_DynamicCaptureClick(btn_DynamicCapture); });
  // Enter ends the dynamic mode while this button has the focus.
  cmdGetColorFromDisplay_Dynamic->setAutoDefault(true);
  connect(cmdGetColorFromDisplay_Dynamic, &QPushButton::clicked, this,
          [this] { cmdGetColorFromDisplay_DynamicClick(cmdGetColorFromDisplay_Dynamic); });
}

// ---- Sampling bursts --------------------------------------------------------

void TfrmMain::StartScreenPick(bool ConfineToChart) {
  if (ConfineToChart) {
    // The chart's own pixels, (0, 0) to (361, 256), and none outside.
    const QRect chart(QPoint(0, 0), imgHSV->Canvas().size());
    hb::TheScreen().ConfineCursor(hb::TheScreen().WidgetToDevice(imgHSV, chart));
  }
  CaptureBurst->Start();
}

void TfrmMain::abfColorPicker1Timer(QObject*) {
  try {
    const std::uint32_t c = abfColorPicker1->ColorUnderCursor();
    SetColors(hb::RedOf(c), hb::GreenOf(c), hb::BlueOf(c));
  } catch (...) {
    // One failed sample changes nothing; the next tick samples again.
  }
}

void TfrmMain::TimMouseDounTimer(QObject*) { CaptureBurst->End(); }

// ---- The eyedropper button -------------------------------------------------

void TfrmMain::btnColorCaptureMouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  // Under Wayland the screen's pixels are the desktop's: it lets the user click one.
  if (PortalPick->Active()) return PortalPick->Pick();
  // The icon leaves the button, as if the dropper had been lifted out of it.
  btnColorCapture->SetPictureLeft(100);
  hb::SetScreenCursor(hb::crEyedropper);
  StartScreenPick(false);
}

// The same renewal as a move over the chart; the burst is capture's own.
void TfrmMain::btnColorCaptureMouseMove(QObject*, Qt::MouseButtons Shift, int, int) {
  if (!PortalPick->Active()) CaptureBurst->Move(Shift);
}

void TfrmMain::btnColorCaptureMouseUp(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  if (PortalPick->Active()) return;
  hb::SetScreenCursor(hb::crDefault);
  btnColorCapture->SetPictureLeft(-1);
}

// ---- Dynamic mode and still capture ------------------------------------------

void TfrmMain::btn_StaticCaptureClick(QObject*) {
  // A copy of the screen would be black outside this program's windows.
  if (PortalPick->Active()) return PortalPick->Pick();
  if (frmCaption) frmCaption->show();
}

void TfrmMain::AttachStillCapture(TfrmCaption* Caption) {
  connect(Caption, &TfrmCaption::Opening, this, &QWidget::hide);
  connect(Caption, &TfrmCaption::ColorPicked, this, [this](int R, int G, int B) { SetColors(R, G, B); });
  connect(Caption, &TfrmCaption::Closing, this, &QWidget::show);
}

void TfrmMain::btn_DynamicCaptureClick(QObject*) {
  // Following the cursor needs the screen's pixels; one click is what the portal offers.
  if (PortalPick->Active()) return PortalPick->Pick();
  const int answer = hb::MessageDlg(
      "ダイナミックキャプチャモードに入ります。\n"
      "取得したい色のところにマウスカーソルをあわせ、エンターキーをおしてください。",
      hb::TMsgDlgType::mtInformation, hb::mbYes | hb::mbNo);
  if (answer != hb::mrYes) return;
  hb::TheScreen().SetTopMost(this, true);
  // The sampler runs at its idle pace, 30 ms, wherever the cursor goes.
  abfColorPicker1->SetEnabled(true);
  cmdGetColorFromDisplay_Dynamic->show();
  cmdGetColorFromDisplay_Dynamic->setFocus();
  SetColorControlsEnabled(false);
}

void TfrmMain::cmdGetColorFromDisplay_DynamicClick(QObject*) {
  try {
    hb::TheScreen().SetTopMost(this, false);
    abfColorPicker1->SetEnabled(false);
    cmdGetColorFromDisplay_Dynamic->hide();
  } catch (const std::exception& error) {
    // The colour controls come back whatever went wrong, then the error is told.
    SetColorControlsEnabled(true);
    hb::ShowException(error);
    return;
  }
  SetColorControlsEnabled(true);
}

void TfrmMain::SetColorControlsEnabled(bool Enabled) {
  QWidget* const controls[] = {
      cmdColorView, cmdReset,   TrackBar_Red, TrackBar_Green, TrackBar_Blue, SpnRed,     SpnGreen, SpnBlue,
      TrackBar_H,   TrackBar_S, TrackBar_V,   SpnH,           SpnS,          SpnV,       TrackBar_C,
      TrackBar_M,   TrackBar_Y, TrackBar_K,   SpnCyan,        SpnMagenta,    SpnYellow, SpnBlack, txtHex,
      cmdSetHex};
  for (QWidget* control : controls) control->setEnabled(Enabled);
  btn_StaticCapture->setVisible(Enabled);
  btn_DynamicCapture->setVisible(Enabled);
}
