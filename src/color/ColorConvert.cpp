#include "color/ColorConvert.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

#include "text/CodePage.h"
#include "text/Errors.h"
#include "text/Translate.h"

// The shown HSV values (and so what users see on the controls) depend on the
// x87 format; on a target where long double is plain double they drift by one.
static_assert(std::numeric_limits<long double>::digits == 64,
              "colour arithmetic needs the 80-bit extended long double");

namespace hb {
namespace {

using ext = long double;

// Nearest integer, ties to even, under the default rounding mode.
inline ext Round(ext x) { return std::rint(x); }

// x is already integer-valued and not NaN; anything outside a byte is clamped
// before the conversion (converting an out-of-range float is undefined).
inline std::uint8_t ClampToByte(ext x) {
  if (x <= 0) return 0;
  if (x >= 255) return 255;
  return static_cast<std::uint8_t>(static_cast<int>(x));
}

inline int ClampComponent(int c) { return std::clamp(c, 0, 255); }

// Trunc toward zero into an int; NaN gives 0, the int range bounds the rest.
inline int TruncToInt(ext x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483648.0L) return INT_MAX;
  if (x <= -2147483649.0L) return INT_MIN;
  return static_cast<int>(x);  // the conversion itself truncates
}

inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One pair of a HexToInt text, read the way a "$"-prefixed integer is read:
// exactly two hex digits, no sign, no blanks.
int HexPair(std::string_view pair) {
  if (pair.size() == 2) {
    const int hi = HexDigit(pair[0]);
    const int lo = HexDigit(pair[1]);
    if (hi >= 0 && lo >= 0) return hi * 16 + lo;
  }
  throw ConversionError("'$" + std::string(pair) + "' is not a valid integer value");
}

} // namespace

double TColorConvert::MinOf3(double a, double b, double c) {
  const double t = a < b ? a : b;
  return t < c ? t : c;
}

void TColorConvert::RGBToHSV(int R, int G, int B, THSVColor& hsv) {
  R = ClampComponent(R);
  G = ClampComponent(G);
  B = ClampComponent(B);
  const int mn = std::min({R, G, B});
  const int mx = std::max({R, G, B});
  const int delta = mx - mn;

  hsv.V = static_cast<double>(ext(mx) / 255);
  hsv.S = delta >= 1 ? static_cast<double>(ext(delta) / mx) : 0.0;
  if (!(hsv.S > 0)) return;  // a grey: the caller's hue stays

  const ext d = delta;
  ext h;
  if (mx == G)
    h = (ext(B - R) / d + 2) * 60;
  else if (mx == B)
    h = (ext(R - G) / d + 4) * 60;
  else if (B > G)
    h = (ext(G - B) / d + 6) * 60;
  else
    h = (ext(G - B) / d) * 60;
  hsv.H = static_cast<double>(h);
}

void TColorConvert::HSVToRGB(double H, double S, double V, TRGBBytes& rgb) {
  // Where the arithmetic could not produce a number, write nothing, as a
  // failed conversion does.
  if (!std::isfinite(V)) return;
  const ext v = Round(ext(V) * 255);
  if (S == 0) {
    const std::uint8_t g = ClampToByte(v);
    rgb = {g, g, g};
    return;
  }
  if (!std::isfinite(S) || !(H >= 0)) return;  // NaN or negative hue

  // h and f are doubles: the sector fraction starts from the rounded h.
  const ext hue = H >= 360 ? ext(0) : ext(H);
  const double h = static_cast<double>(hue / 60);
  const double i = std::trunc(h);
  const double f = static_cast<double>(ext(h) - ext(i));

  const ext s = S;
  const std::uint8_t vb = ClampToByte(v);
  const std::uint8_t p = ClampToByte(Round((1 - s) * v));
  const std::uint8_t q = ClampToByte(Round((1 - ext(f) * s) * v));
  const std::uint8_t t = ClampToByte(Round((1 - (1 - ext(f)) * s) * v));

  switch (static_cast<int>(i)) {  // h lies in [0, 6): the cast is safe
    case 0: rgb = {vb, t, p}; break;
    case 1: rgb = {q, vb, p}; break;
    case 2: rgb = {p, vb, t}; break;
    case 3: rgb = {p, q, vb}; break;
    case 4: rgb = {t, p, vb}; break;
    case 5: rgb = {vb, p, q}; break;
    default: break;
  }
}

TRGBBytes TColorConvert::HSVToRGB(double H, double S, double V) {
  TRGBBytes rgb{0, 0, 0};
  HSVToRGB(H, S, V, rgb);
  return rgb;
}

std::uint32_t TColorConvert::RGBToCMYK(int R, int G, int B) {
  R = ClampComponent(R);
  G = ClampComponent(G);
  B = ClampComponent(B);
  // 255 minus the largest component; the operands are whole numbers, so the
  // rounding changes nothing.
  const int K = static_cast<int>(Round(MinOf3(255 - R, 255 - G, 255 - B)));
  const TCMYKColor c{static_cast<std::uint8_t>(255 - R - K), static_cast<std::uint8_t>(255 - G - K),
                     static_cast<std::uint8_t>(255 - B - K), static_cast<std::uint8_t>(K)};
  return PackCMYK(c);
}

void TColorConvert::CMYKToRGB(double C, double M, double Y, double K, TRGBBytes& rgb) {
  // Each of C, M, Y and K has its own control, so C + K can pass 255 and the
  // formula go negative: clamp rather than wrap into a byte.
  auto one = [K](double x, std::uint8_t& out) {
    const ext r = Round(255 - (ext(x) + ext(K)));
    if (std::isnan(r)) return false;
    out = ClampToByte(r);
    return true;
  };
  if (one(C, rgb.R) && one(M, rgb.G)) one(Y, rgb.B);
}

TRGBBytes TColorConvert::CMYKToRGB(double C, double M, double Y, double K) {
  TRGBBytes rgb{0, 0, 0};
  CMYKToRGB(C, M, Y, K, rgb);
  return rgb;
}

int HexToInt(std::string_view text) {
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  if (text.empty()) return -1;

  const TCodePage cp = ActiveCodePage();
  const std::size_t chars = CharCount(cp, text);
  if (chars == 2) return HexPair(text);
  if (chars == 4) {
    std::size_t split = CharByteLength(cp, text, 0);
    split += CharByteLength(cp, text, split);
    const int high = HexPair(text.substr(0, split));
    return high * 256 + HexPair(text.substr(split));
  }
  throw ConversionError(Tr("ColorConvert", "桁数が2桁か4桁ではありません。"));
}

std::string HexColorText(int R, int G, int B) {
  char buf[3 * 8 + 1];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", static_cast<unsigned>(R), static_cast<unsigned>(G),
                static_cast<unsigned>(B));
  return buf;
}

bool IsWebSafe(int R, int G, int B) {
  auto ok = [](int c) { return c >= 0 && c <= 255 && c % 51 == 0; };
  return ok(R) && ok(G) && ok(B);
}

int ShownHue(double H) { return TruncToInt(ext(H)); }
int ShownSaturation(double S) { return TruncToInt(ext(S) * 100); }
int ShownValue(double V) { return TruncToInt(ext(V) * 100); }

double HueFromPosition(int degrees) { return degrees; }
double SaturationFromPosition(int percent) { return static_cast<double>(ext(percent) / 100); }
double ValueFromPosition(int percent) { return static_cast<double>(ext(percent) / 100); }

} // namespace hb
