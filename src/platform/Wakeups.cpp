#include "platform/Wakeups.h"

#include <sys/prctl.h>

namespace hb {

namespace {
// The slack to give back; 0 while wake-ups are not punctual. Bursts run on
// the GUI thread only.
unsigned long g_savedSlack = 0;
} // namespace

void SetPunctualWakeups(bool on) {
  if (on && g_savedSlack == 0) {
    const int current = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    if (current <= 0 || ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0) != 0) return;
    g_savedSlack = static_cast<unsigned long>(current);
  } else if (!on && g_savedSlack != 0) {
    ::prctl(PR_SET_TIMERSLACK, g_savedSlack, 0, 0, 0);
    g_savedSlack = 0;
  }
}

unsigned long TimerSlackNs() {
  const int slack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
  return slack < 0 ? 0 : static_cast<unsigned long>(slack);
}

} // namespace hb
