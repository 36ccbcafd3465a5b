#pragma once

#include <QObject>
#include "support/NotifyEvent.h"

namespace hb {

// A window timer. Setting Enabled or Interval to the value it holds does
// nothing; any change stops the timer and starts it again when it is enabled
// with a non-zero interval and a handler. Ticks arrive through the event loop,
// never in the middle of another handler.
class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* parent, int interval = 1000);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  void SetOnTimer(TNotifyEvent handler);
  // Whether the underlying timer is running (enabled, interval and handler).
  bool Running() const { return id_ != 0 || ownTicks_; }
  // How many times the underlying timer was started: each start begins a
  // full interval, so a running timer that is not restarted keeps its phase.
  int Starts() const { return starts_; }

 protected:
  void timerEvent(QTimerEvent* event) override;
  // A timer that has better ticks of its own for this interval starts them
  // here and answers true; each of them calls Tick. StopOwnTicks ends them.
  virtual bool StartOwnTicks(int /*interval*/) { return false; }
  virtual void StopOwnTicks() {}
  // Runs the handler, as each tick does.
  void Tick();

 private:
  void Restart();

  TNotifyEvent onTimer_;
  bool enabled_ = false;
  int interval_;
  int id_ = 0;
  bool ownTicks_ = false;
  int starts_ = 0;
};

} // namespace hb
