#pragma once
// The screen sampler: a timer whose ticks each read the colour under the
// cursor's hot spot. Its short burst interval ticks on the kernel's clock
// (TPunctualTicker), so the repaints of a drag cost no samples; the idle
// pace is an ordinary timer.

#include <QPoint>
#include <cstdint>
#include <functional>

#include "platform/PunctualTicker.h"
#include "support/Controls.h"
#include "values/PixelSquare.h"

class TScreenColorPicker : public hb::TTimer {
  Q_OBJECT
 public:
  using hb::TTimer::TTimer;

  // The colour under the cursor's hot spot, red in the low byte: the pixel,
  // or the mean of the area around it; black when the screen cannot be read.
  std::uint32_t ColorUnderCursor();

  // The side of the area whose mean is the colour: 1 (one pixel), 3 or 5.
  void SetArea(int area);
  int Area() const { return area_; }

  // While set, each sample reads the magnifier's square at once, the colour
  // is taken from it, and the square goes here.
  using SquareFn = std::function<void(QPoint cursor, const hb::TPixelSquare& square, int area, std::uint32_t color)>;
  void SetOnSquare(SquareFn onSquare) { onSquare_ = std::move(onSquare); }

  // A sample now, as a tick takes it (the handler runs).
  void SampleNow() { Tick(); }

  // Whether the ticks now come on the kernel's clock.
  bool Punctual() const { return punctual_.Running(); }

 protected:
  bool StartOwnTicks(int interval) override;
  void StopOwnTicks() override;

 private:
  hb::TPunctualTicker punctual_{nullptr, [this] { Tick(); }};
  int area_ = 1;
  SquareFn onSquare_;
};
