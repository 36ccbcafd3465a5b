#include "capture/ScreenColorPicker.h"

#include "platform/Screen.h"

std::uint32_t TScreenColorPicker::ColorUnderCursor() const { return hb::TheScreen().PixelUnderCursor(); }
