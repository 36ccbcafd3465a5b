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
  if (id_) {
    killTimer(id_);
    id_ = 0;
  }
  // Short intervals need the precise timer: the eyedropper samples every millisecond.
  if (enabled_ && interval_ > 0 && onTimer_) {
    id_ = startTimer(interval_, interval_ < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
    ++starts_;
  }
}

void TTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != id_) return;
  // Copy: the handler may replace or clear itself.
  const TNotifyEvent handler = onTimer_;
  if (handler) handler(this);
}

} // namespace hb
