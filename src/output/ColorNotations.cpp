#include "output/ColorNotations.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace hb {

namespace {
int Clamp(int c) { return std::clamp(c, 0, 255); }
} // namespace

std::string CssRgbCode(int R, int G, int B) {
  return "rgb(" + std::to_string(Clamp(R)) + " " + std::to_string(Clamp(G)) + " " + std::to_string(Clamp(B)) + ")";
}

std::string CssHslCode(int R, int G, int B) {
  const double r = Clamp(R) / 255.0, g = Clamp(G) / 255.0, b = Clamp(B) / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  const double d = max - min;
  const double l = (max + min) / 2;
  double h = 0, s = 0;
  if (d > 0) {
    s = d / (1 - std::fabs(2 * l - 1));
    if (max == r)
      h = 60 * std::fmod((g - b) / d + 6, 6.0);
    else if (max == g)
      h = 60 * ((b - r) / d + 2);
    else
      h = 60 * ((r - g) / d + 4);
  }
  long hue = std::lround(h) % 360;
  return "hsl(" + std::to_string(hue) + "deg " + std::to_string(std::lround(s * 100)) + "% " +
         std::to_string(std::lround(l * 100)) + "%)";
}

std::string QColorCode(int R, int G, int B) {
  return "QColor(" + std::to_string(Clamp(R)) + ", " + std::to_string(Clamp(G)) + ", " + std::to_string(Clamp(B)) +
         ")";
}

// to_chars, not printf: the application sets the user's locale, and a
// decimal comma would break the code.
std::string FloatTripleCode(int R, int G, int B) {
  std::string text;
  for (int c : {R, G, B}) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, Clamp(c) / 255.0, std::chars_format::fixed, 3).ptr;
    if (!text.empty()) text += ", ";
    text.append(buf, end);
  }
  return text;
}

} // namespace hb
