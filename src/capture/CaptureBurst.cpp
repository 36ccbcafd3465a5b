#include "capture/CaptureBurst.h"

#include "capture/FrameThrottle.h"
#include "platform/Wakeups.h"
#include "support/Timer.h"

namespace hb {

TCaptureBurst::TCaptureBurst(QObject* parent, TTimer& sampler, TTimer& stop, int framePeriodMs)
    : QObject(parent), sampler_(sampler), stop_(stop), frames_(new TFrameThrottle(this, framePeriodMs)) {}

void TCaptureBurst::PaceRepaintsOf(QWidget* window) { frames_->SetWindow(window); }

void TCaptureBurst::Start() {
  // In this order: a running stop timer is left as it is (the timer only
  // restarts when Enabled changes).
  sampler_.SetInterval(kBurstInterval);
  sampler_.SetEnabled(true);
  stop_.SetEnabled(true);
  frames_->Hold();
  SetPunctualWakeups(true);
}

void TCaptureBurst::Move(Qt::MouseButtons buttons) {
  if (buttons & Qt::LeftButton) Start();
}

void TCaptureBurst::End() {
  stop_.SetEnabled(false);
  sampler_.SetEnabled(false);
  sampler_.SetInterval(kIdleInterval);
  frames_->Release();
  SetPunctualWakeups(false);
}

void TCaptureBurst::AtFrame(std::function<void()> work) { frames_->AtFrame(std::move(work)); }

} // namespace hb
