#pragma once
// Perceptual colour spaces of an 8-bit sRGB colour: linear light, OKLab and
// OKLCH, CIE XYZ and CIELAB/LCh (D65, and D50 as CSS lab() and lch() use),
// the CIEDE2000 and OKLab colour differences, and the way back from OKLab.
//
// Everything is worked in long double; hues are degrees in [0, 360), and a
// colour with no chroma gets the hue atan2 gives for its (near-zero) a and b,
// so callers that show a hue decide themselves when it means nothing.

namespace hb {

struct TLinearRGB {
  long double R, G, B;  // linear light, 0..1 inside the sRGB gamut
};

struct TXYZ {
  long double X, Y, Z;  // Y = 1 for the white
};

// Ottosson's OKLab: L 0..1, a and b roughly -0.4..0.4.
struct TOKLab {
  long double L, a, b;
};

// CIELAB: L 0..100.
struct TLab {
  long double L, a, b;
};

// Polar form of either Lab: lightness as given, chroma, hue in degrees.
struct TLCh {
  long double L, C, h;
};

// The sRGB transfer curve, both ways. The way back is unclamped and odd
// (a negative value keeps its sign), so out-of-gamut colours stay visible.
long double SRGBToLinear(int c);  // c 0..255, clamped
TLinearRGB SRGBToLinearRGB(int R, int G, int B);
long double LinearToSRGB(long double v);  // 0..1 scale, not 0..255

TOKLab LinearToOKLab(TLinearRGB rgb);
TLinearRGB OKLabToLinear(TOKLab lab);
TOKLab SRGBToOKLab(int R, int G, int B);

// An sRGB colour on the 0..1 scale, as doubles, neither rounded nor clamped.
struct TSRGBFloat {
  double R, G, B;
};
TSRGBFloat OKLabToSRGB(TOKLab lab);

// Lab and OKLab alike: C = |(a, b)|, h = atan2(b, a) in [0, 360).
TLCh ToLCh(long double L, long double a, long double b);
inline TLCh ToLCh(TOKLab c) { return ToLCh(c.L, c.a, c.b); }
inline TLCh ToLCh(TLab c) { return ToLCh(c.L, c.a, c.b); }

// Linear sRGB to XYZ with the D65 white, and Bradford's adaptation to D50,
// with the matrices CSS Color 4 publishes.
TXYZ LinearToXYZD65(TLinearRGB rgb);
TXYZ XYZD65ToD50(TXYZ xyz);

// White points as CSS Color 4 writes them, from the chromaticities.
extern const TXYZ kWhiteD65;
extern const TXYZ kWhiteD50;

TLab XYZToLab(TXYZ xyz, TXYZ white);
TLab SRGBToLabD65(int R, int G, int B);
// What CSS lab() and lch() mean by an sRGB colour.
TLab SRGBToLabD50(int R, int G, int B);

// CIEDE2000 with kL = kC = kH = 1.
long double DeltaE2000(TLab x, TLab y);
// Euclidean distance in OKLab.
long double DeltaEOK(TOKLab x, TOKLab y);

} // namespace hb
