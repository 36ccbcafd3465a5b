#include "capture/CaptureBurst.h"

#include "support/Timer.h"

namespace hb {

TCaptureBurst::TCaptureBurst(QObject* parent, TTimer& sampler, TTimer& stop)
    : QObject(parent), sampler_(sampler), stop_(stop) {}

void TCaptureBurst::Start() {
  // In this order: a running stop timer is left as it is (the timer only
  // restarts when Enabled changes).
  sampler_.SetInterval(kBurstInterval);
  sampler_.SetEnabled(true);
  stop_.SetEnabled(true);
}

void TCaptureBurst::Move(Qt::MouseButtons buttons) {
  if (buttons & Qt::LeftButton) Start();
}

void TCaptureBurst::End() {
  stop_.SetEnabled(false);
  sampler_.SetEnabled(false);
  sampler_.SetInterval(kIdleInterval);
}

} // namespace hb
