#include "capture/PortalPick.h"

#include "platform/ColorPortal.h"
#include "platform/MessageBoxes.h"

namespace hb {

TPortalPick::TPortalPick(QObject* parent, bool active, SetColorsFn setColors, TColorPortal* portal)
    : QObject(parent), active_(active), setColors_(std::move(setColors)), portal_(portal) {
  if (!portal_) portal_ = new TColorPortal(this);
  connect(portal_, &TColorPortal::Picked, this, [this](TRGBBytes c) { setColors_(c.R, c.G, c.B); });
  connect(portal_, &TColorPortal::Failed, this, [](TPortalFailure why) {
    MessageDlg(PortalFailureMessage(why), TMsgDlgType::mtError, mbOK);
  });
}

void TPortalPick::Pick() { portal_->PickColor(); }

bool TPortalPick::Busy() const { return portal_->Busy(); }

} // namespace hb
