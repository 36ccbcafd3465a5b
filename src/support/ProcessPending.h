#pragma once
// Letting pending window messages run in the middle of a long operation.

#include <chrono>

namespace hb {

// Lets the event loop handle every pending event (posted events, repaints,
// timers that are due) and returns. Does nothing without an application object.
void ProcessPending();

// ProcessPending for a loop that reports every small step (each colour of a
// palette file): it runs when Interval has passed since it last ran here, the
// first time at once. Each pass of the event loop costs a few microseconds,
// and what the steps report shows through timers that tick no faster.
class TPacedPending {
 public:
  explicit TPacedPending(std::chrono::milliseconds Interval) : interval_(Interval) {}
  void operator()();

 private:
  std::chrono::milliseconds interval_;
  std::chrono::steady_clock::time_point last_{};
};

} // namespace hb
