#pragma once
// Screen picking in an X11 session, where the program reads the screen's
// pixels itself: the eyedropper's drag and the HSV chart drive the sampling
// bursts (the chart with the cursor held inside it), the still capture
// window freezes the screen, the dynamic mode follows the cursor until Enter.

#include <functional>

#include "capture/ScreenPicking.h"

class QPushButton;
class QWidget;
class TPictureButton;
class TScreenColorPicker;

namespace hb {

class TCaptureBurst;
class TImage;
class TPickingLens;

// Starts a sampling burst, or renews the one running; with confineTo, the
// cursor is first held inside that picture's pixels.
void StartScreenPick(TCaptureBurst& burst, TImage* confineTo);

class TX11Pick : public TScreenPicking {
  Q_OBJECT
 public:
  struct Controls {
    QWidget* window;             // made top-most during the dynamic mode
    TPictureButton* eyedropper;  // its picture leaves it while dragged
    TImage* chart;
    TScreenColorPicker* sampler;
    QPushButton* endDynamic;  // shown with the focus during the dynamic mode
  };
  // openStill opens the still capture window; controlsEnabled switches the
  // colour controls off during the dynamic mode and back on after it. The
  // lens (magnifier, keys, area) runs while the eyedropper is held and
  // during the dynamic mode.
  TX11Pick(QObject* parent, const Controls& controls, TCaptureBurst& burst, TPickingLens& lens,
           std::function<void()> openStill, std::function<void(bool)> controlsEnabled);

  void EyedropperDown() override;
  void EyedropperMove(Qt::MouseButtons buttons) override;
  void EyedropperUp() override;
  void StillCapture() override { openStill_(); }
  void DynamicCapture() override;
  void EndDynamicCapture() override;
  void ChartDown(QPoint p) override;
  void ChartMove(Qt::MouseButtons buttons, QPoint p) override;
  void ChartUp() override;

 private:
  Controls c_;
  TCaptureBurst& burst_;
  TPickingLens& lens_;
  std::function<void()> openStill_;
  std::function<void(bool)> controlsEnabled_;
};

} // namespace hb
