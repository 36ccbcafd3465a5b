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

// The perceptual forms of CSS Color 4. Every number is the long double value
// rounded half away from zero at its last decimal, never written "-0.00";
// the hue is 0 when the chroma as written is 0 (a grey has no hue, and
// rounding noise would otherwise pick one) and a hue that rounds to 360 is 0.

// "oklch(62.80% 0.2577 29.23)": OKLab lightness in percent with 2 decimals,
// chroma with 4, hue in degrees with 2.
std::string CssOklchCode(int R, int G, int B);

// "lab(54.29 80.80 69.89)": CIELAB with the D50 white, as CSS lab() means it.
std::string CssLabCode(int R, int G, int B);

// "lch(54.29 106.84 40.86)": the same in polar form, as CSS lch() means it.
std::string CssLchCode(int R, int G, int B);

} // namespace hb
