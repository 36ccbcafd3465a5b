#include "platform/PunctualTicker.h"

#include <QSocketNotifier>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace hb {

TPunctualTicker::TPunctualTicker(QObject* parent, std::function<void()> onTick)
    : QObject(parent), onTick_(std::move(onTick)) {}

TPunctualTicker::~TPunctualTicker() { Stop(); }

bool TPunctualTicker::Start(int intervalMs) {
  Stop();
  if (intervalMs <= 0) return false;
  const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd < 0) return false;
  itimerspec schedule{};
  schedule.it_interval.tv_sec = intervalMs / 1000;
  schedule.it_interval.tv_nsec = long(intervalMs % 1000) * 1000000L;
  schedule.it_value = schedule.it_interval;  // the first tick a whole interval away
  if (timerfd_settime(fd, 0, &schedule, nullptr) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  notifier_ = new QSocketNotifier(qintptr(fd_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Expired(); });
  return true;
}

void TPunctualTicker::Stop() {
  if (fd_ < 0) return;
  // The notifier lets go of the descriptor before it closes; it is freed
  // later, as a tick may be what stops the ticker.
  notifier_->setEnabled(false);
  notifier_->deleteLater();
  notifier_ = nullptr;
  ::close(fd_);
  fd_ = -1;
}

void TPunctualTicker::Expired() {
  // Reading clears the count of expirations: however many passed, one tick.
  std::uint64_t expirations = 0;
  if (::read(fd_, &expirations, sizeof expirations) != ssize_t(sizeof expirations) || expirations == 0) return;
  // Copy: the tick may stop or restart this ticker.
  const std::function<void()> tick = onTick_;
  if (tick) tick();
}

} // namespace hb
