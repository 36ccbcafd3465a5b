#include "support/ProcessPending.h"

#include <QCoreApplication>

namespace hb {

void ProcessPending() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace hb
