#include "capture/ScreenColorPicker.h"

#include "platform/Screen.h"

std::uint32_t TScreenColorPicker::ColorUnderCursor() const { return hb::TheScreen().PixelUnderCursor(); }

bool TScreenColorPicker::StartOwnTicks(int interval) {
  // Below the idle pace only; without a timer descriptor the ordinary timer ticks.
  return interval < 20 && punctual_.Start(interval);
}

void TScreenColorPicker::StopOwnTicks() { punctual_.Stop(); }
