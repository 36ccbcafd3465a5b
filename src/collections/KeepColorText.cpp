#include "collections/KeepColorText.h"

#include <cstdio>

#include "color/ColorConvert.h"
#include "values/ColorValue.h"
#include "text/CharText.h"
#include "text/Errors.h"

namespace hb {

std::string KeepColorText(std::uint32_t color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(color & 0xFFFFFFu));
  return buf;
}

namespace {

// One channel: an empty piece stands for -1, whose low byte is 255.
std::optional<int> Channel(const std::string& piece) {
  // HexToInt reads a lone "$" as empty; a piece of one character is never two digits.
  if (CharLen(piece) == 1) return std::nullopt;
  try {
    return HexToInt(piece) & 0xFF;
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

} // namespace

std::optional<std::uint32_t> KeepColorFromText(std::string_view text) {
  const auto red = Channel(CharMid(text, 5, 2));
  const auto green = Channel(CharMid(text, 3, 2));
  const auto blue = Channel(CharMid(text, 1, 2));
  if (!red || !green || !blue) return std::nullopt;
  return ColorValue(*red, *green, *blue);
}

} // namespace hb
