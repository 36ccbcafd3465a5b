#pragma once
// The screen sampler: a timer whose ticks each read the colour under the
// cursor's hot spot.

#include <cstdint>

#include "support/Controls.h"

class TScreenColorPicker : public hb::TTimer {
  Q_OBJECT
 public:
  using hb::TTimer::TTimer;
  // The colour of the screen pixel under the cursor's hot spot, red in the
  // low byte; black when the screen cannot be read.
  std::uint32_t ColorUnderCursor() const;
};
