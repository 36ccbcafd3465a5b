#pragma once
// Colour arithmetic: RGB <-> HSV and CMYK, the whole-number scale on which HSV
// meets the track bars and spin edits, the hexadecimal colour text and its
// parser, and the web-safe test. Nothing here keeps state.
//
// Arithmetic runs in x87 extended precision (long double, 64-bit significand)
// with round-to-nearest-even; what lands in a THSVColor field is a double.
// Several shown values depend on that (0, 100, 5 shows hue 123, not 122).

#include <cstdint>
#include <string>
#include <string_view>

#include "values/ColorValue.h"

namespace hb {

struct THSVColor {
  double H;  // degrees, 0 <= H < 360 as produced here
  double S;  // 0..1
  double V;  // 0..1
};

struct TCMYKColor {
  std::uint8_t C, M, Y, K;
};

// TCMYKColor travels as one 32-bit value: C in the lowest byte, K in the highest.
constexpr std::uint32_t PackCMYK(TCMYKColor c) {
  return std::uint32_t(c.C) | std::uint32_t(c.M) << 8 | std::uint32_t(c.Y) << 16 |
         std::uint32_t(c.K) << 24;
}
constexpr TCMYKColor UnpackCMYK(std::uint32_t v) {
  return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

class TColorConvert {
 public:
  // Writes V and S, and H only when the colour is not a grey (S > 0): a grey
  // keeps whatever hue the caller's record held. Components outside 0..255
  // are first clamped into it.
  static void RGBToHSV(int R, int G, int B, THSVColor& hsv);

  // H in degrees (360 or more counts as 0), S and V 0..1. A negative or NaN
  // hue, or a NaN/infinite saturation or value, writes nothing: rgb keeps its
  // previous contents. Results outside 0..255 (S or V beyond 0..1) are clamped.
  static void HSVToRGB(double H, double S, double V, TRGBBytes& rgb);
  // Same, starting from black: a hue that writes nothing gives (0, 0, 0).
  static TRGBBytes HSVToRGB(double H, double S, double V);

  // Plain under-colour removal on the 0..255 scale, packed as PackCMYK does.
  // Components outside 0..255 are first clamped into it.
  static std::uint32_t RGBToCMYK(int R, int G, int B);

  // R = Round(255 - (C + K)) and so on, each clamped into 0..255 (the CMYK
  // controls are independent, so C + K can exceed 255). Components are
  // written R, G, B in turn; one that comes out NaN stops there and leaves
  // itself and the rest as they were.
  static void CMYKToRGB(double C, double M, double Y, double K, TRGBBytes& rgb);
  static TRGBBytes CMYKToRGB(double C, double M, double Y, double K);

  static double MinOf3(double a, double b, double c);
};

// Two or four hexadecimal digits, after at most one leading "$", as a number
// (four digits: first pair * 256 + second pair). Empty text or a lone "$"
// gives -1. Any other number of characters throws hb::ConversionError
// "桁数が2桁か4桁ではありません。"; a pair that is not exactly two hex digits
// throws hb::ConversionError "'$xx' is not a valid integer value".
// Characters are counted in the active code page, so a pair never holds half
// of a multi-byte character.
int HexToInt(std::string_view text);

// R, G, B as at least two upper-case hex digits each (255, 128, 0 -> FF8000).
// A negative component is written as its 32-bit two's complement.
std::string HexColorText(int R, int G, int B);

// One of the 216 web-safe colours: each component in 0..255 and a multiple of 51.
bool IsWebSafe(int R, int G, int B);

// The HSV control scale. Shown values truncate toward zero (S 0.29 shows 28):
// hue = Trunc(H), saturation = Trunc(S * 100), value = Trunc(V * 100), the
// product formed in extended precision from the stored double. NaN shows 0;
// values beyond the int range are clamped.
int ShownHue(double H);
int ShownSaturation(double S);
int ShownValue(double V);

// Control positions back to HSV: degrees as they are, percent / 100.
double HueFromPosition(int degrees);
double SaturationFromPosition(int percent);
double ValueFromPosition(int percent);

} // namespace hb
