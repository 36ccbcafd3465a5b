#include "capture/PortalPick.h"

#include <algorithm>

#include "platform/ColorPortal.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/ScreenCursor.h"
#include "support/Image.h"

namespace hb {

TPortalPick::TPortalPick(QObject* parent, TImage* chart, SetColorsFn setColors, TColorPortal* portal)
    : TScreenPicking(parent), chart_(chart), setColors_(std::move(setColors)), portal_(portal) {
  if (!portal_) portal_ = new TColorPortal(this);
  connect(portal_, &TColorPortal::Picked, this, [this](TRGBBytes c) { setColors_(c.R, c.G, c.B); });
  connect(portal_, &TColorPortal::Failed, this, [](TPortalFailure why) {
    MessageDlg(PortalFailureMessage(why), TMsgDlgType::mtError, mbOK);
  });
}

void TPortalPick::Pick() { portal_->PickColor(); }

bool TPortalPick::Busy() const { return portal_->Busy(); }

void TPortalPick::PickChart(QPoint p) {
  const QImage& picture = chart_->Canvas();
  const QRgb c = picture.pixel(std::clamp(p.x(), 0, picture.width() - 1), std::clamp(p.y(), 0, picture.height() - 1));
  setColors_(qRed(c), qGreen(c), qBlue(c));
}

void TPortalPick::ChartDown(QPoint p) {
  SetScreenCursor(crEyedropper);
  PickChart(p);
}

void TPortalPick::ChartMove(Qt::MouseButtons buttons, QPoint p) {
  if (buttons & Qt::LeftButton) PickChart(p);
}

void TPortalPick::ChartUp() {
  TheScreen().ReleaseCursor();
  SetScreenCursor(crDefault);
}

} // namespace hb
