#include "capture/X11Pick.h"

#include <QPushButton>

#include "capture/CaptureBurst.h"
#include "capture/PickingLens.h"
#include "capture/ScreenColorPicker.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/ScreenCursor.h"
#include "support/Controls.h"
#include "support/PictureButton.h"
#include "text/Translate.h"

namespace hb {

void StartScreenPick(TCaptureBurst& burst, TImage* confineTo) {
  if (confineTo) {
    // The picture's own pixels, (0, 0) to (361, 256) for the chart, and none outside.
    const QRect picture(QPoint(0, 0), confineTo->Canvas().size());
    TheScreen().ConfineCursor(TheScreen().WidgetToDevice(confineTo, picture));
  }
  burst.Start();
}

TX11Pick::TX11Pick(QObject* parent, const Controls& controls, TCaptureBurst& burst, TPickingLens& lens,
                   std::function<void()> openStill, std::function<void(bool)> controlsEnabled)
    : TScreenPicking(parent),
      c_(controls),
      burst_(burst),
      lens_(lens),
      openStill_(std::move(openStill)),
      controlsEnabled_(std::move(controlsEnabled)) {}

void TX11Pick::EyedropperDown() {
  // The icon leaves the button, as if the dropper had been lifted out of it.
  c_.eyedropper->SetPictureLeft(100);
  SetScreenCursor(crEyedropper);
  StartScreenPick(burst_, nullptr);
  lens_.Begin();
}

// The same renewal as a move over the chart.
void TX11Pick::EyedropperMove(Qt::MouseButtons buttons) { burst_.Move(buttons); }

void TX11Pick::EyedropperUp() {
  // The burst's tail still samples the area, without the magnifier.
  lens_.End();
  SetScreenCursor(crDefault);
  c_.eyedropper->SetPictureLeft(-1);
}

void TX11Pick::DynamicCapture() {
  const int answer = MessageDlg(
      Tr("TX11Pick",
         "ダイナミックキャプチャモードに入ります。\n"
         "取得したい色のところにマウスカーソルをあわせ、エンターキーをおしてください。"),
      TMsgDlgType::mtInformation, mbYes | mbNo);
  if (answer != mrYes) return;
  TheScreen().SetTopMost(c_.window, true);
  // The sampler runs at its idle pace, 30 ms, wherever the cursor goes.
  c_.sampler->SetEnabled(true);
  c_.endDynamic->show();
  c_.endDynamic->setFocus();
  controlsEnabled_(false);
  lens_.Begin();
}

void TX11Pick::EndDynamicCapture() {
  lens_.End();
  try {
    TheScreen().SetTopMost(c_.window, false);
    c_.sampler->SetEnabled(false);
    c_.endDynamic->hide();
  } catch (const std::exception& error) {
    // The colour controls come back whatever went wrong, then the error is told.
    controlsEnabled_(true);
    ShowException(error);
    return;
  }
  controlsEnabled_(true);
}

void TX11Pick::ChartDown(QPoint) {
  // The chart's own pixel: an area would blur the hue and saturation chosen.
  c_.sampler->SetArea(1);
  SetScreenCursor(crEyedropper);
  StartScreenPick(burst_, c_.chart);
}

// Each move with the left button held keeps the burst going.
void TX11Pick::ChartMove(Qt::MouseButtons buttons, QPoint) { burst_.Move(buttons); }

void TX11Pick::ChartUp() {
  TheScreen().ReleaseCursor();
  SetScreenCursor(crDefault);
}

} // namespace hb
