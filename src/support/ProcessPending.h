#pragma once
// Letting pending window messages run in the middle of a long operation.

namespace hb {

// Lets the event loop handle every pending event (posted events, repaints,
// timers that are due) and returns. Does nothing without an application object.
void ProcessPending();

} // namespace hb
