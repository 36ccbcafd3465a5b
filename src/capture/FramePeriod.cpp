#include "capture/FramePeriod.h"

#include <cmath>

namespace hb {

int FramePeriodMs(double refreshRate) {
  constexpr double kFallback = 60.0;
  // The negated test also catches NaN.
  if (!(refreshRate >= 10.0 && refreshRate <= 1000.0)) refreshRate = kFallback;
  return int(std::ceil(1000.0 / refreshRate));
}

} // namespace hb
