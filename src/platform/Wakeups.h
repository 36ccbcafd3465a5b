#pragma once
// How late the calling thread may wake from a sleep. By default the kernel
// lets every sleep run up to 50 µs over ("timer slack") to batch wake-ups;
// for a timer of 1 ms that alone costs about a tenth of its ticks. An
// eyedropper burst asks for punctual wake-ups while it runs and gives the
// slack back at its end, so the saving of power is lost only while sampling.

namespace hb {

// Idempotent: turning it on twice keeps the slack the thread had first.
void SetPunctualWakeups(bool on);

// The calling thread's timer slack in nanoseconds (for tests).
unsigned long TimerSlackNs();

} // namespace hb
