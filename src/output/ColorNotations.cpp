#include "output/ColorNotations.h"

#include <algorithm>
#include <cmath>
#include <charconv>

#include "color/Perceptual.h"

namespace hb {

namespace {
int Clamp(int c) { return std::clamp(c, 0, 255); }

// v with the given decimals, half away from zero. to_chars rounds ties to
// even, so it first writes 60 decimals, which hold every bit of any value
// here that could lie near a tie, and the rounding is done on those digits.
std::string Fixed(long double v, int decimals) {
  char buf[160];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 60);
  if (res.ec != std::errc()) return "0";
  std::string digits(buf, res.ptr);
  const std::size_t point = digits.find('.');
  bool up = digits[point + decimals + 1] >= '5';
  digits.resize(point + decimals + 1);
  if (decimals == 0) digits.pop_back();
  for (std::size_t i = digits.size(); up && i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] < '9') {
      ++digits[i];
      up = false;
    } else {
      digits[i] = '0';
    }
  }
  if (up) digits.insert(digits.begin(), '1');
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  return v < 0 && !zero ? "-" + digits : digits;
}

// The hue as written beside a chroma already written: none for a grey.
std::string HueText(long double h, const std::string& chroma) {
  if (chroma.find_first_not_of("0.") == std::string::npos) return Fixed(0, 2);
  const std::string text = Fixed(h, 2);
  return text == "360.00" ? Fixed(0, 2) : text;
}
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

std::string CssOklchCode(int R, int G, int B) {
  const TLCh c = ToLCh(SRGBToOKLab(R, G, B));
  const std::string chroma = Fixed(c.C, 4);
  return "oklch(" + Fixed(c.L * 100, 2) + "% " + chroma + " " + HueText(c.h, chroma) + ")";
}

std::string CssLabCode(int R, int G, int B) {
  const TLab c = SRGBToLabD50(R, G, B);
  return "lab(" + Fixed(c.L, 2) + " " + Fixed(c.a, 2) + " " + Fixed(c.b, 2) + ")";
}

std::string CssLchCode(int R, int G, int B) {
  const TLCh c = ToLCh(SRGBToLabD50(R, G, B));
  const std::string chroma = Fixed(c.C, 2);
  return "lch(" + Fixed(c.L, 2) + " " + chroma + " " + HueText(c.h, chroma) + ")";
}

} // namespace hb
