#pragma once
// The screen sampler: a timer whose ticks each read the colour under the
// cursor's hot spot. Its short burst interval ticks on the kernel's clock
// (TPunctualTicker), so the repaints of a drag cost no samples; the idle
// pace is an ordinary timer.

#include <cstdint>

#include "platform/PunctualTicker.h"
#include "support/Controls.h"

class TScreenColorPicker : public hb::TTimer {
  Q_OBJECT
 public:
  using hb::TTimer::TTimer;

  // The colour of the screen pixel under the cursor's hot spot, red in the
  // low byte; black when the screen cannot be read.
  std::uint32_t ColorUnderCursor() const;

  // Whether the ticks now come on the kernel's clock.
  bool Punctual() const { return punctual_.Running(); }

 protected:
  bool StartOwnTicks(int interval) override;
  void StopOwnTicks() override;

 private:
  hb::TPunctualTicker punctual_{nullptr, [this] { Tick(); }};
};
