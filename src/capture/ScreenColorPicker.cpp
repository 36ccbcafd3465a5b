#include "capture/ScreenColorPicker.h"

#include "capture/PickArea.h"
#include "platform/Screen.h"

std::uint32_t TScreenColorPicker::ColorUnderCursor() {
  // One pixel with nothing to show it: the single read it always was.
  if (area_ == 1 && !onSquare_) return hb::TheScreen().PixelUnderCursor();
  const QPoint cursor = hb::TheScreen().CursorPos();
  const hb::TPixelSquare square = hb::TheScreen().PixelsAround(cursor, hb::kMagnifiedSide);
  const std::uint32_t color = hb::AreaMean(square, area_);
  if (onSquare_) onSquare_(cursor, square, area_, color);
  return color;
}

void TScreenColorPicker::SetArea(int area) { area_ = hb::PickAreaOrDefault(area); }

bool TScreenColorPicker::StartOwnTicks(int interval) {
  // Below the idle pace only; without a timer descriptor the ordinary timer ticks.
  return interval < 20 && punctual_.Start(interval);
}

void TScreenColorPicker::StopOwnTicks() { punctual_.Stop(); }
