#include "support/Timer.h"

#include <QTimerEvent>

namespace hb {

TTimer::TTimer(QObject* parent, int interval) : QObject(parent), interval_(interval) {}

TTimer::~TTimer() {
  if (id_) killTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  Restart();
}

void TTimer::Restart() {
  if (ownTicks_) {
    ownTicks_ = false;
    StopOwnTicks();
  }
  if (id_) {
    killTimer(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && onTimer_) {
    ++starts_;
    if (StartOwnTicks(interval_)) {
      ownTicks_ = true;
      return;
    }
    // Short intervals need the precise timer: the eyedropper samples every millisecond.
    id_ = startTimer(interval_, interval_ < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
  }
}

void TTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() == id_) Tick();
}

void TTimer::Tick() {
  // Copy: the handler may replace or clear itself.
  const TNotifyEvent handler = onTimer_;
  if (handler) handler(this);
}

} // namespace hb
