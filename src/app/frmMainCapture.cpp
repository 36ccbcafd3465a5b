// Taking a colour from the screen: the eyedropper, the still capture, the
// dynamic mode and picking from the HSV chart forward to the way of picking
// chosen at start-up (X11 or the desktop portal); the sampler's tick sets
// the colour it read.

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/FramePeriod.h"
#include "capture/FrameThrottle.h"
#include "capture/PickingLens.h"
#include "capture/PortalPick.h"
#include "capture/ScreenColorPicker.h"
#include "capture/X11Pick.h"
#include "capture/frmCaption.h"
#include "color/CurrentColor.h"
#include "desktop/Session.h"
#include "platform/MessageBoxes.h"
#include "settings/AppPaths.h"

void TfrmMain::WireCapture() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  CaptureBurst = new hb::TCaptureBurst(this, *abfColorPicker1, *TimMouseDoun,
                                       hb::FramePeriodMs(primary ? primary->refreshRate() : 0.0));
  // A sample every millisecond sets the twenty controls; painting them that
  // often would cost most of a core, so a burst paints once per frame.
  CaptureBurst->PaceRepaintsOf(this);
  PickingLens = new hb::TPickingLens(this, *abfColorPicker1, CaptureBurst->Frames().FrameTimer().Interval(),
                                     {[] { return hb::CurrentProgramFolders().settingsRead; },
                                      [] { return hb::CurrentProgramFolders().settingsWrite; },
                                      [](const std::exception& error) { hb::ShowException(error); }});
  UseScreenPicking(!hb::X11SeesWholeScreen());
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

void TfrmMain::UseScreenPicking(bool ThroughPortal, hb::TColorPortal* Portal) {
  delete Picking;
  auto setColors = [this](int R, int G, int B) { SetColors(R, G, B); };
  if (ThroughPortal) {
    Picking = new hb::TPortalPick(this, imgHSV, setColors, Portal);
    return;
  }
  Picking = new hb::TX11Pick(
      this, {this, btnColorCapture, imgHSV, abfColorPicker1, cmdGetColorFromDisplay_Dynamic}, *CaptureBurst,
      *PickingLens, [] {
        if (frmCaption) frmCaption->show();
      },
      [this](bool Enabled) { SetColorControlsEnabled(Enabled); });
}

void TfrmMain::StartScreenPick(bool ConfineToChart) { hb::StartScreenPick(*CaptureBurst, ConfineToChart ? imgHSV : nullptr); }

void TfrmMain::abfColorPicker1Timer(QObject*) {
  try {
    const std::uint32_t c = abfColorPicker1->ColorUnderCursor();
    SetColors(hb::RedOf(c), hb::GreenOf(c), hb::BlueOf(c));
  } catch (const std::exception&) {
    // One failed sample changes nothing; the next tick samples again.
  }
}

void TfrmMain::TimMouseDounTimer(QObject*) { CaptureBurst->End(); }

void TfrmMain::btnColorCaptureMouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  Picking->EyedropperDown();
}

void TfrmMain::btnColorCaptureMouseMove(QObject*, Qt::MouseButtons Shift, int, int) { Picking->EyedropperMove(Shift); }

void TfrmMain::btnColorCaptureMouseUp(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) {
  Picking->EyedropperUp();
}

void TfrmMain::btn_StaticCaptureClick(QObject*) { Picking->StillCapture(); }

void TfrmMain::AttachStillCapture(TfrmCaption* Caption) {
  Caption->SetLens(PickingLens);
  connect(Caption, &TfrmCaption::Opening, this, &QWidget::hide);
  connect(Caption, &TfrmCaption::ColorPicked, this, [this](int R, int G, int B) { SetColors(R, G, B); });
  connect(Caption, &TfrmCaption::Closing, this, &QWidget::show);
}

void TfrmMain::btn_DynamicCaptureClick(QObject*) { Picking->DynamicCapture(); }

void TfrmMain::cmdGetColorFromDisplay_DynamicClick(QObject*) { Picking->EndDynamicCapture(); }

void TfrmMain::SetColorControlsEnabled(bool Enabled) {
  CurrentColor->SetEnabled(Enabled);
  btn_StaticCapture->setVisible(Enabled);
  btn_DynamicCapture->setVisible(Enabled);
}

void TfrmMain::imgHSVMouseDown(QObject*, Qt::MouseButton, Qt::MouseButtons, int X, int Y) {
  Picking->ChartDown({X, Y});
}

void TfrmMain::imgHSVMouseMove(QObject*, Qt::MouseButtons Shift, int X, int Y) { Picking->ChartMove(Shift, {X, Y}); }

void TfrmMain::imgHSVMouseUp(QObject*, Qt::MouseButton, Qt::MouseButtons, int, int) { Picking->ChartUp(); }
