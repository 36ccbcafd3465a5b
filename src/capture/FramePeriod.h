#pragma once
// How often the screen shows a new picture, as a whole number of milliseconds
// between two repaints that the eye can tell apart.

namespace hb {

// The display frame's length for a refresh rate in Hz, rounded up so that a
// timer of that period never repaints more often than the screen refreshes.
// A rate the screen cannot really have (0 when unknown, negative, NaN,
// infinite, below 10 Hz or above 1000 Hz) counts as 60 Hz.
int FramePeriodMs(double refreshRate);

} // namespace hb
