#include "color/CssColor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "color/Perceptual.h"
#include "color/ShownColor.h"

namespace hb {
namespace {

using ext = long double;

struct TNamed {
  const char* name;
  std::uint32_t rgb;
};

// CSS Color 4's named colours, in name order (looked up by binary search).
constexpr TNamed kNamedColors[] = {
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4}, {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF}, {"blueviolet", 0x8A2BE2}, {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887}, {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E}, {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC}, {"crimson", 0xDC143C}, {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B}, {"darkcyan", 0x008B8B}, {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400}, {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B}, {"darkmagenta", 0x8B008B}, {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00}, {"darkorchid", 0x9932CC}, {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A}, {"darkseagreen", 0x8FBC8F}, {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F}, {"darkslategrey", 0x2F4F4F}, {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3}, {"deeppink", 0xFF1493}, {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969}, {"dimgrey", 0x696969}, {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0}, {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC}, {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"grey", 0x808080},
    {"honeydew", 0xF0FFF0}, {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0}, {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA}, {"lavenderblush", 0xFFF0F5}, {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6}, {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2}, {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3}, {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA}, {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899}, {"lightslategrey", 0x778899}, {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00}, {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371}, {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC}, {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA}, {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD}, {"navy", 0x000080},
    {"oldlace", 0xFDF5E6}, {"olive", 0x808000}, {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500}, {"orangered", 0xFF4500}, {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093}, {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6}, {"purple", 0x800080}, {"rebeccapurple", 0x663399},
    {"red", 0xFF0000}, {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513}, {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57}, {"seashell", 0xFFF5EE}, {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB}, {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090}, {"slategrey", 0x708090}, {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4}, {"tan", 0xD2B48C},
    {"teal", 0x008080}, {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5}, {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32}, 
};

// UTF-8 to ASCII: the full-width forms U+FF01..U+FF5E as the ASCII they
// stand for, the ideographic space as a space, letters in lower case.
// Anything else outside ASCII (or broken UTF-8) reads as no colour.
std::optional<std::string> NarrowText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    char ascii;
    if (b < 0x80) {
      ascii = char(b);
      ++i;
    } else if (b == 0xE3 && i + 2 < text.size() && text.substr(i, 3) == "\xE3\x80\x80") {
      ascii = ' ';
      i += 3;
    } else if (b == 0xEF && i + 2 < text.size()) {
      // U+FF01..U+FF5E: EF BC 81..BF, EF BD 80..9E.
      const unsigned char b1 = static_cast<unsigned char>(text[i + 1]);
      const unsigned char b2 = static_cast<unsigned char>(text[i + 2]);
      const unsigned code = ((b1 & 0x3Fu) << 6 | (b2 & 0x3Fu)) | 0xF000u;
      if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80 || code < 0xFF01 || code > 0xFF5E) return std::nullopt;
      ascii = char(code - 0xFF01 + 0x21);
      i += 3;
    } else {
      return std::nullopt;
    }
    if (ascii >= 'A' && ascii <= 'Z') ascii = char(ascii - 'A' + 'a');
    out.push_back(ascii);
  }
  return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<TColorData> HexNotation(std::string_view digits) {
  std::array<int, 8> d{};
  if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8) return std::nullopt;
  for (std::size_t i = 0; i < digits.size(); ++i)
    if ((d[i] = HexDigit(digits[i])) < 0) return std::nullopt;
  if (digits.size() <= 4) return TColorData{d[0] * 17, d[1] * 17, d[2] * 17};
  return TColorData{d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]};
}

// One argument of a colour function: a number, a percentage, an angle
// (converted to degrees) or "none".
struct TArg {
  enum Kind { Number, Percent, Angle, None } kind;
  ext value;
};

std::optional<TArg> ParseArg(std::string_view token) {
  if (token == "none") return TArg{TArg::None, 0};
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  // Digits, a point and digits, an exponent: from_chars reads no sign and
  // would take "inf" and "nan", which CSS does not.
  const std::size_t start = i;
  while (i < token.size() && ((token[i] >= '0' && token[i] <= '9') || token[i] == '.')) ++i;
  if (i == start) return std::nullopt;
  if (i < token.size() && token[i] == 'e' && i + 1 < token.size() &&
      ((token[i + 1] >= '0' && token[i + 1] <= '9') ||
       ((token[i + 1] == '+' || token[i + 1] == '-') && i + 2 < token.size() && token[i + 2] >= '0' &&
        token[i + 2] <= '9'))) {
    i += 2;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
  }
  double number = 0;
  const auto [end, error] = std::from_chars(token.data() + start, token.data() + i, number);
  if (error != std::errc() || end != token.data() + i || !std::isfinite(number)) return std::nullopt;
  const ext v = negative ? -ext(number) : ext(number);
  const std::string_view unit = token.substr(i);
  if (unit.empty()) return TArg{TArg::Number, v};
  if (unit == "%") return TArg{TArg::Percent, v};
  if (unit == "deg") return TArg{TArg::Angle, v};
  if (unit == "grad") return TArg{TArg::Angle, v * 360 / 400};
  if (unit == "turn") return TArg{TArg::Angle, v * 360};
  if (unit == "rad") return TArg{TArg::Angle, v * 180 / 3.141592653589793238462643383279502884L};
  return std::nullopt;
}

// The arguments between the parentheses: three, and an alpha after "/" or a
// fourth comma, which is read and dropped.
std::optional<std::array<TArg, 3>> ParseArgs(std::string_view body) {
  std::vector<std::string_view> tokens;
  std::size_t slash = 0, slashAt = 0;
  std::size_t i = 0;
  while (i < body.size()) {
    if (IsSpace(body[i]) || body[i] == ',') {
      ++i;
      continue;
    }
    if (body[i] == '/') {
      if (++slash > 1) return std::nullopt;
      slashAt = tokens.size();
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < body.size() && !IsSpace(body[i]) && body[i] != ',' && body[i] != '/') ++i;
    tokens.push_back(body.substr(start, i - start));
    if (tokens.size() > 4) return std::nullopt;
  }
  if (tokens.size() < 3 || (slash && (slashAt != 3 || tokens.size() != 4))) return std::nullopt;
  std::array<TArg, 3> args{};
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const std::optional<TArg> arg = ParseArg(tokens[k]);
    if (!arg) return std::nullopt;
    if (k < 3)
      args[k] = *arg;
    else if (arg->kind == TArg::Angle)
      return std::nullopt;
  }
  return args;
}

// A component: a number as it stands, a percentage of percentScale.
std::optional<ext> Component(const TArg& a, ext percentScale) {
  switch (a.kind) {
    case TArg::Number: return a.value;
    case TArg::Percent: return a.value * percentScale / 100;
    case TArg::None: return 0;
    case TArg::Angle: break;
  }
  return std::nullopt;
}

std::optional<ext> Hue(const TArg& a) {
  if (a.kind == TArg::Percent) return std::nullopt;
  const ext h = std::fmod(a.value, 360);
  return h < 0 ? h + 360 : h;
}

int Byte(ext v) { return int(std::floor(std::clamp(v, ext(0), ext(255)) + 0.5L)); }

// sRGB 0..1 (gamma-encoded) to bytes.
TColorData Bytes(ext r, ext g, ext b) { return {Byte(r * 255), Byte(g * 255), Byte(b * 255)}; }

TColorData HSLColor(ext h, ext s, ext l) {
  s = std::clamp(s, ext(0), ext(1));
  l = std::clamp(l, ext(0), ext(1));
  auto f = [&](ext n) {
    const ext k = std::fmod(n + h / 30, 12);
    const ext a = s * std::min(l, 1 - l);
    return l - a * std::max(ext(-1), std::min({k - 3, 9 - k, ext(1)}));
  };
  return Bytes(f(0), f(8), f(4));
}

TColorData HWBColor(ext h, ext w, ext k) {
  w = std::clamp(w, ext(0), ext(1));
  k = std::clamp(k, ext(0), ext(1));
  if (w + k >= 1) {
    const ext grey = w / (w + k);
    return Bytes(grey, grey, grey);
  }
  auto f = [&](ext n) {
    const ext m = std::fmod(n + h / 30, 12);
    const ext pure = 0.5L - 0.5L * std::max(ext(-1), std::min({m - 3, 9 - m, ext(1)}));
    return pure * (1 - w - k) + w;
  };
  return Bytes(f(0), f(8), f(4));
}

// CSS Color 4's matrices for the way back from CIELAB D50 to linear sRGB.
TLinearRGB LabD50ToLinear(ext L, ext a, ext b) {
  constexpr ext kEpsilon = 216.0L / 24389, kKappa = 24389.0L / 27;
  const ext fy = (L + 16) / 116, fx = a / 500 + fy, fz = fy - b / 200;
  const ext x = fx * fx * fx > kEpsilon ? fx * fx * fx : (116 * fx - 16) / kKappa;
  const ext y = L > kKappa * kEpsilon ? fy * fy * fy : L / kKappa;
  const ext z = fz * fz * fz > kEpsilon ? fz * fz * fz : (116 * fz - 16) / kKappa;
  const ext X = x * kWhiteD50.X, Y = y * kWhiteD50.Y, Z = z * kWhiteD50.Z;
  const ext X65 = 0.955473421488075L * X - 0.02309845494876471L * Y + 0.06325924320057072L * Z;
  const ext Y65 = -0.0283697093338637L * X + 1.0099953980813041L * Y + 0.021041441191917323L * Z;
  const ext Z65 = 0.012314014864481998L * X - 0.020507649298898964L * Y + 1.330365926242124L * Z;
  return {3.2409699419045226L * X65 - 1.537383177570094L * Y65 - 0.4986107602930034L * Z65,
          -0.9692436362808796L * X65 + 1.8759675015077202L * Y65 + 0.04155505740717559L * Z65,
          0.05563007969699366L * X65 - 0.20397695888897652L * Y65 + 1.0569715142428786L * Z65};
}

struct TEncoded {
  ext r, g, b;
};

TEncoded Encode(TLinearRGB c) { return {LinearToSRGB(c.R), LinearToSRGB(c.G), LinearToSRGB(c.B)}; }

// In gamut when every component rounds to a byte: a colour written with two
// decimals from an sRGB one (lab(54.29 80.8 69.89)) lands a hair outside.
bool InGamut(TEncoded c) {
  constexpr ext lo = -0.5L / 255, hi = 1 + 0.5L / 255;
  return c.r >= lo && c.r < hi && c.g >= lo && c.g < hi && c.b >= lo && c.b < hi;
}

TEncoded Clip(TEncoded c) {
  return {std::clamp(c.r, ext(0), ext(1)), std::clamp(c.g, ext(0), ext(1)), std::clamp(c.b, ext(0), ext(1))};
}

TOKLab EncodedToOKLab(TEncoded c) {
  auto linear = [](ext v) {
    return v <= 0.04045L ? v / 12.92L : std::pow((v + 0.055L) / 1.055L, ext(2.4));
  };
  return LinearToOKLab({linear(c.r), linear(c.g), linear(c.b)});
}

TEncoded OKLChEncoded(ext L, ext C, ext h) {
  const ext rad = h * 3.141592653589793238462643383279502884L / 180;
  return Encode(OKLabToLinear({L, C * std::cos(rad), C * std::sin(rad)}));
}

// CSS Color 4's gamut mapping to sRGB: the chroma in OKLCH is halved down by
// binary search until clipping the colour moves it less than a just
// noticeable difference (ΔE_OK 0.02), to within 0.0001 of chroma.
// origin: the colour in OKLab as given, when it was given so (its lightness
// decides white and black exactly, without a round trip through linear light).
TReadColor MapIntoGamut(TLinearRGB linear, std::optional<TOKLab> origin = std::nullopt) {
  const TEncoded encoded = Encode(linear);
  if (InGamut(encoded)) return {Bytes(encoded.r, encoded.g, encoded.b), false};
  const TLCh lch = ToLCh(origin ? *origin : LinearToOKLab(linear));
  if (lch.L >= 1) return {{255, 255, 255}, true};
  if (lch.L <= 0) return {{0, 0, 0}, true};
  constexpr ext kJND = 0.02L, kEpsilon = 0.0001L;
  auto clipped = [](TEncoded c) { return Clip(c); };
  TEncoded current = OKLChEncoded(lch.L, lch.C, lch.h);
  TEncoded clip = clipped(current);
  auto distance = [&](ext C) {
    const ext rad = lch.h * 3.141592653589793238462643383279502884L / 180;
    return DeltaEOK(EncodedToOKLab(clip), {lch.L, C * std::cos(rad), C * std::sin(rad)});
  };
  if (distance(lch.C) < kJND) return {Bytes(clip.r, clip.g, clip.b), true};
  ext min = 0, max = lch.C;
  bool minInGamut = true;
  while (max - min > kEpsilon) {
    const ext chroma = (min + max) / 2;
    current = OKLChEncoded(lch.L, chroma, lch.h);
    if (minInGamut && InGamut(current)) {
      min = chroma;
      continue;
    }
    clip = clipped(current);
    const ext E = distance(chroma);
    if (E < kJND) {
      if (kJND - E < kEpsilon) break;
      minInGamut = false;
      min = chroma;
    } else {
      max = chroma;
    }
  }
  return {Bytes(clip.r, clip.g, clip.b), true};
}

std::optional<TReadColor> Function(std::string_view name, const std::array<TArg, 3>& a) {
  auto all = [&](auto test) { return test(a[0]) && test(a[1]) && test(a[2]); };
  if (name == "rgb" || name == "rgba") {
    if (!all([](const TArg& x) { return x.kind != TArg::Angle; })) return std::nullopt;
    const ext r = *Component(a[0], 255), g = *Component(a[1], 255), b = *Component(a[2], 255);
    return TReadColor{{Byte(r), Byte(g), Byte(b)}, false};
  }
  // The hue comes first in hsl() and hwb(), last in lch() and oklch().
  const std::optional<ext> hue = Hue(name == "lch" || name == "oklch" ? a[2] : a[0]);
  auto plain = [&](std::size_t i) { return a[i].kind == TArg::Angle ? std::nullopt : Component(a[i], 1); };
  if (name == "hsl" || name == "hsla" || name == "hwb") {
    const auto s = plain(1), l = plain(2);
    if (!hue || !s || !l) return std::nullopt;
    // Modern syntax lets these two be bare numbers, meaning percent.
    const ext x = a[1].kind == TArg::Percent ? *s : *s / 100, y = a[2].kind == TArg::Percent ? *l : *l / 100;
    return TReadColor{name == "hwb" ? HWBColor(*hue, x, y) : HSLColor(*hue, x, y), false};
  }
  if (name == "lab" || name == "lch") {
    const auto L = Component(a[0], 100), second = Component(a[1], name == "lab" ? 125 : 150);
    if (!L || !second || a[0].kind == TArg::Angle || a[1].kind == TArg::Angle) return std::nullopt;
    if (name == "lab") {
      const auto b = Component(a[2], 125);
      if (!b) return std::nullopt;
      return MapIntoGamut(LabD50ToLinear(*L, *second, *b));
    }
    if (!hue) return std::nullopt;
    const ext rad = *hue * 3.141592653589793238462643383279502884L / 180;
    const ext C = std::max(ext(0), *second);
    return MapIntoGamut(LabD50ToLinear(*L, C * std::cos(rad), C * std::sin(rad)));
  }
  if (name == "oklab" || name == "oklch") {
    const auto L = Component(a[0], 1), second = Component(a[1], 0.4L);
    if (!L || !second || a[0].kind == TArg::Angle || a[1].kind == TArg::Angle) return std::nullopt;
    if (name == "oklab") {
      const auto b = Component(a[2], 0.4L);
      if (!b) return std::nullopt;
      return MapIntoGamut(OKLabToLinear({*L, *second, *b}), TOKLab{*L, *second, *b});
    }
    if (!hue) return std::nullopt;
    const ext rad = *hue * 3.141592653589793238462643383279502884L / 180;
    const ext C = std::max(ext(0), *second);
    const TOKLab lab{*L, C * std::cos(rad), C * std::sin(rad)};
    return MapIntoGamut(OKLabToLinear(lab), lab);
  }
  return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> CssNamedColor(std::string_view name) {
  const auto* end = std::end(kNamedColors);
  const auto* it = std::lower_bound(std::begin(kNamedColors), end, name,
                                    [](const TNamed& n, std::string_view s) { return n.name < s; });
  if (it == end || it->name != name) return std::nullopt;
  return it->rgb;
}

std::optional<TReadColor> ParseCssColor(std::string_view text) {
  if (text.size() > kMaxCssColorText) return std::nullopt;
  const std::optional<std::string> narrow = NarrowText(text);
  if (!narrow) return std::nullopt;
  const std::string_view s = Trim(*narrow);
  if (!s.empty() && s.front() == '#') {
    const std::optional<TColorData> c = HexNotation(s.substr(1));
    if (!c) return std::nullopt;
    return TReadColor{*c, false};
  }
  const std::size_t open = s.find('(');
  if (open == std::string_view::npos) {
    const std::optional<std::uint32_t> rgb = CssNamedColor(s);
    if (!rgb) return std::nullopt;
    return TReadColor{{int(*rgb >> 16), int((*rgb >> 8) & 0xFF), int(*rgb & 0xFF)}, false};
  }
  if (s.back() != ')') return std::nullopt;
  const std::string_view name = Trim(s.substr(0, open));
  const std::string_view body = s.substr(open + 1, s.size() - open - 2);
  if (body.find_first_of("()") != std::string_view::npos) return std::nullopt;
  const std::optional<std::array<TArg, 3>> args = ParseArgs(body);
  if (!args) return std::nullopt;
  return Function(name, *args);
}

std::optional<TReadColor> ReadColorText(std::string_view text) {
  // What the field has always read stays read exactly so.
  // Six full-width digits without "#" stay refused: they are no CSS colour.
  if (const std::optional<TColorData> c = ParseHexColor(text)) return TReadColor{*c, false};
  return ParseCssColor(text);
}

} // namespace hb
