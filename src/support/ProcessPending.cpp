#include "support/ProcessPending.h"

#include <QCoreApplication>

namespace hb {

void ProcessPending() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TPacedPending::operator()() {
  const auto now = std::chrono::steady_clock::now();
  if (now - last_ < interval_) return;
  last_ = now;
  ProcessPending();
}

} // namespace hb
