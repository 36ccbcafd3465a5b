#pragma once
// A periodic tick kept to the kernel's clock: a timer file descriptor that
// expires on a fixed schedule, watched by the event loop. Qt's timers under
// the GLib event loop sleep in whole milliseconds and start each wait when
// the last tick's work ends, so a 1 ms timer runs up to a millisecond late
// and loses a tick whenever a repaint comes on top; here lateness does not
// add up, and a tick is lost only when the thread is busy for a whole
// interval. Expirations missed meanwhile give one tick, not a rush of them.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace hb {

class TPunctualTicker : public QObject {
 public:
  TPunctualTicker(QObject* parent, std::function<void()> onTick);
  ~TPunctualTicker() override;
  TPunctualTicker(const TPunctualTicker&) = delete;
  TPunctualTicker& operator=(const TPunctualTicker&) = delete;

  // Ticks every intervalMs from now on, in place of any earlier schedule.
  // False, and no ticks, when the interval is not positive or the system
  // gives no timer descriptor.
  bool Start(int intervalMs);
  void Stop();
  bool Running() const { return fd_ >= 0; }

 private:
  void Expired();

  std::function<void()> onTick_;
  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

} // namespace hb
