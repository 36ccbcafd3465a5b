#pragma once
// The colour codes written for style sheets and source code, each from the
// colour's R, G and B (0..255).

#include <string>

namespace hb {

// CSS Color 4 space-separated form: "rgb(255 128 0)".
std::string CssRgbCode(int R, int G, int B);

// "hsl(30deg 100% 50%)": hue, saturation and lightness worked out from the
// exact RGB (not from the program's HSV), each rounded to a whole unit; a
// hue that rounds to 360 is 0, and a grey has hue 0 and saturation 0%.
std::string CssHslCode(int R, int G, int B);

// "QColor(255, 128, 0)".
std::string QColorCode(int R, int G, int B);

// Each component over 255 with three decimals: "1.000, 0.502, 0.000".
std::string FloatTripleCode(int R, int G, int B);

} // namespace hb
