#pragma once
// The still capture: a copy of the primary screen shown full-screen, where a
// click takes the colour of the pixel under the pointer. It reports through
// its signals and knows nothing of the window that opens it.

#include <QWidget>

#include "support/Form.h"
#include "support/Image.h"
#include "support/Timer.h"

namespace hb {
class TPickingLens;
}

class TfrmCaption : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmCaption(QWidget* parent = nullptr);

  hb::TImage* Image1 = nullptr;
  hb::TTimer* Timer1 = nullptr;

  void FormShow(QObject* Sender) override;
  void Image1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;
  void Timer1Timer(QObject* Sender);

  // The magnifier and the sampled area over the still image (none when not set).
  void SetLens(hb::TPickingLens* lens) { lens_ = lens; }

 signals:
  // The screen is about to be copied: the window that opened this one leaves
  // the screen now.
  void Opening();
  // The user clicked the still image; the pixel's colour.
  void ColorPicked(int R, int G, int B);
  // Every close request (a click, Cancel, Escape, the window manager).
  void Closing();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The still image's pixel under a point of the image control.
  QPoint StillPixel(QPoint widgetPoint) const;
  void Magnify(QPoint pixel);
  void StepArea(int step);

  hb::TPickingLens* lens_ = nullptr;
  QPoint lastPixel_{-1, -1};

};

extern TfrmCaption* frmCaption;
