#include "color/Perceptual.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hb {
namespace {

using ext = long double;

constexpr ext kPi = 3.141592653589793238462643383279502884L;
constexpr ext kDegPerRad = 180 / kPi;

ext Cos(ext degrees) { return std::cos(degrees / kDegPerRad); }
ext Sin(ext degrees) { return std::sin(degrees / kDegPerRad); }

// atan2 in degrees, folded into [0, 360).
ext HueOf(ext b, ext a) {
  ext h = std::atan2(b, a) * kDegPerRad;
  if (h < 0) h += 360;
  return h >= 360 ? 0 : h;
}

struct TMatrix {
  ext m[3][3];
  void Apply(ext x, ext y, ext z, ext& u, ext& v, ext& w) const {
    u = m[0][0] * x + m[0][1] * y + m[0][2] * z;
    v = m[1][0] * x + m[1][1] * y + m[1][2] * z;
    w = m[2][0] * x + m[2][1] * y + m[2][2] * z;
  }
};

// Björn Ottosson, "A perceptual color space for image processing" (2020):
// linear sRGB to cone responses, cube roots to OKLab, and the inverses he
// publishes beside them (not inverted here, so the round trip shows how far
// his ten-digit matrices are from each other's inverse).
constexpr TMatrix kLinearToLMS{{{0.4122214708L, 0.5363325363L, 0.0514459929L},
                                {0.2119034982L, 0.6806995451L, 0.1073969566L},
                                {0.0883024619L, 0.2817188376L, 0.6299787005L}}};
constexpr TMatrix kLMSToOKLab{{{0.2104542553L, 0.7936177850L, -0.0040720468L},
                               {1.9779984951L, -2.4285922050L, 0.4505937099L},
                               {0.0259040371L, 0.7827717662L, -0.8086757660L}}};
constexpr TMatrix kOKLabToLMS{{{1, 0.3963377774L, 0.2158037573L},
                               {1, -0.1055613458L, -0.0638541728L},
                               {1, -0.0894841775L, -1.2914855480L}}};
constexpr TMatrix kLMSToLinear{{{4.0767416621L, -3.3077115913L, 0.2309699292L},
                                {-1.2684380046L, 2.6097574011L, -0.3413193965L},
                                {-0.0041960863L, -0.7034186147L, 1.7076147010L}}};

// CSS Color 4's lin_sRGB_to_XYZ (exact fractions from the sRGB primaries and
// the D65 chromaticity) and its Bradford D65_to_D50.
constexpr TMatrix kLinearToXYZ{{{506752.0L / 1228815, 87881.0L / 245763, 12673.0L / 70218},
                                {87098.0L / 409605, 175762.0L / 245763, 12673.0L / 175545},
                                {7918.0L / 409605, 87881.0L / 737289, 1001167.0L / 1053270}}};
constexpr TMatrix kD65ToD50{{{1.0479297925449969L, 0.022946870601609652L, -0.05019226628920524L},
                             {0.02962780877005599L, 0.9904344267538799L, -0.017073799063418826L},
                             {-0.009243040646204504L, 0.015055191490298152L, 0.7518742814281371L}}};

} // namespace

const TXYZ kWhiteD65{0.3127L / 0.3290L, 1, (1 - 0.3127L - 0.3290L) / 0.3290L};
const TXYZ kWhiteD50{0.3457L / 0.3585L, 1, (1 - 0.3457L - 0.3585L) / 0.3585L};

long double SRGBToLinear(int c) {
  // Only 256 inputs: the extended-precision pow is the dearest step of every
  // conversion here, so each value is worked out once.
  static const auto table = [] {
    std::array<ext, 256> t;
    for (int i = 0; i < 256; ++i) {
      const ext s = i / 255.0L;
      t[i] = s <= 0.04045L ? s / 12.92L : std::pow((s + 0.055L) / 1.055L, 2.4L);
    }
    return t;
  }();
  return table[std::clamp(c, 0, 255)];
}

TLinearRGB SRGBToLinearRGB(int R, int G, int B) { return {SRGBToLinear(R), SRGBToLinear(G), SRGBToLinear(B)}; }

long double LinearToSRGB(long double v) {
  const ext m = std::fabs(v);
  const ext s = m <= 0.0031308L ? 12.92L * m : 1.055L * std::pow(m, 1 / 2.4L) - 0.055L;
  return std::copysign(s, v);
}

TOKLab LinearToOKLab(TLinearRGB rgb) {
  ext l, m, s;
  kLinearToLMS.Apply(rgb.R, rgb.G, rgb.B, l, m, s);
  TOKLab lab;
  kLMSToOKLab.Apply(std::cbrt(l), std::cbrt(m), std::cbrt(s), lab.L, lab.a, lab.b);
  return lab;
}

TLinearRGB OKLabToLinear(TOKLab lab) {
  ext l, m, s;
  kOKLabToLMS.Apply(lab.L, lab.a, lab.b, l, m, s);
  TLinearRGB rgb;
  kLMSToLinear.Apply(l * l * l, m * m * m, s * s * s, rgb.R, rgb.G, rgb.B);
  return rgb;
}

TOKLab SRGBToOKLab(int R, int G, int B) { return LinearToOKLab(SRGBToLinearRGB(R, G, B)); }

TSRGBFloat OKLabToSRGB(TOKLab lab) {
  const TLinearRGB rgb = OKLabToLinear(lab);
  return {double(LinearToSRGB(rgb.R)), double(LinearToSRGB(rgb.G)), double(LinearToSRGB(rgb.B))};
}

TLCh ToLCh(long double L, long double a, long double b) { return {L, std::hypot(a, b), HueOf(b, a)}; }

TXYZ LinearToXYZD65(TLinearRGB rgb) {
  TXYZ xyz;
  kLinearToXYZ.Apply(rgb.R, rgb.G, rgb.B, xyz.X, xyz.Y, xyz.Z);
  return xyz;
}

TXYZ XYZD65ToD50(TXYZ xyz) {
  TXYZ out;
  kD65ToD50.Apply(xyz.X, xyz.Y, xyz.Z, out.X, out.Y, out.Z);
  return out;
}

TLab XYZToLab(TXYZ xyz, TXYZ white) {
  // CIE's exact ε and κ, which make the two pieces of f meet.
  constexpr ext kEpsilon = 216.0L / 24389;
  constexpr ext kKappa = 24389.0L / 27;
  const auto f = [](ext t) { return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116; };
  const ext fx = f(xyz.X / white.X), fy = f(xyz.Y / white.Y), fz = f(xyz.Z / white.Z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

TLab SRGBToLabD65(int R, int G, int B) { return XYZToLab(LinearToXYZD65(SRGBToLinearRGB(R, G, B)), kWhiteD65); }

TLab SRGBToLabD50(int R, int G, int B) {
  return XYZToLab(XYZD65ToD50(LinearToXYZD65(SRGBToLinearRGB(R, G, B))), kWhiteD50);
}

// Sharma, Wu and Dalal (2005), equations 1-17, with their notes on the hue
// of a neutral (0) and on the mean and difference of hues across 0/360.
long double DeltaE2000(TLab x, TLab y) {
  constexpr ext k25To7 = 6103515625.0L;  // 25^7
  const ext C1 = std::hypot(x.a, x.b), C2 = std::hypot(y.a, y.b);
  const ext Cbar7 = std::pow((C1 + C2) / 2, 7);
  const ext G = 0.5L * (1 - std::sqrt(Cbar7 / (Cbar7 + k25To7)));
  const ext a1 = (1 + G) * x.a, a2 = (1 + G) * y.a;
  const ext C1p = std::hypot(a1, x.b), C2p = std::hypot(a2, y.b);
  const ext h1 = (a1 == 0 && x.b == 0) ? 0 : HueOf(x.b, a1);
  const ext h2 = (a2 == 0 && y.b == 0) ? 0 : HueOf(y.b, a2);

  const ext dL = y.L - x.L, dC = C2p - C1p;
  const bool neutral = C1p * C2p == 0;
  ext dh = h2 - h1;
  if (neutral)
    dh = 0;
  else if (dh > 180)
    dh -= 360;
  else if (dh < -180)
    dh += 360;
  const ext dH = 2 * std::sqrt(C1p * C2p) * Sin(dh / 2);

  const ext Lbar = (x.L + y.L) / 2, Cbar = (C1p + C2p) / 2;
  ext hbar = h1 + h2;
  if (!neutral) {
    if (std::fabs(h1 - h2) <= 180)
      hbar /= 2;
    else
      hbar = hbar < 360 ? (hbar + 360) / 2 : (hbar - 360) / 2;
  }
  const ext T = 1 - 0.17L * Cos(hbar - 30) + 0.24L * Cos(2 * hbar) + 0.32L * Cos(3 * hbar + 6) -
                0.20L * Cos(4 * hbar - 63);
  const ext dTheta = 30 * std::exp(-std::pow((hbar - 275) / 25, 2));
  const ext Cbarp7 = std::pow(Cbar, 7);
  const ext RC = 2 * std::sqrt(Cbarp7 / (Cbarp7 + k25To7));
  const ext L50 = (Lbar - 50) * (Lbar - 50);
  const ext SL = 1 + 0.015L * L50 / std::sqrt(20 + L50);
  const ext SC = 1 + 0.045L * Cbar;
  const ext SH = 1 + 0.015L * Cbar * T;
  const ext RT = -Sin(2 * dTheta) * RC;
  const ext l = dL / SL, c = dC / SC, h = dH / SH;
  return std::sqrt(l * l + c * c + h * h + RT * c * h);
}

long double DeltaEOK(TOKLab x, TOKLab y) {
  const ext dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
  return std::sqrt(dL * dL + da * da + db * db);
}

} // namespace hb
