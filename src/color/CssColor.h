#pragma once
// Colours pasted or typed into the hexadecimal field in CSS Color 4 form:
// #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba(), hsl()/hsla(), hwb(), lab(),
// lch(), oklab(), oklch() (numbers or percents, comma or space separated,
// alpha read and dropped), the 148 named colours, and all of these in the
// full-width letters a Japanese input method leaves. Outside text: read in
// one pass over at most kMaxCssColorText bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "values/ColorValue.h"

namespace hb {

inline constexpr std::size_t kMaxCssColorText = 512;

struct TReadColor {
  TColorData Color;
  // The colour lay outside sRGB and was brought in by CSS Color 4's gamut
  // mapping (OKLCH chroma reduction).
  bool OutOfGamut = false;
  friend bool operator==(const TReadColor&, const TReadColor&) = default;
};

// A CSS colour, or nothing for text that is none.
std::optional<TReadColor> ParseCssColor(std::string_view text);

// The hexadecimal field read as a colour: six hexadecimal characters as the
// field has always read them (ParseHexColor), and, for text that rule
// refuses, any CSS colour.
std::optional<TReadColor> ReadColorText(std::string_view text);

// The named colour's 0xRRGGBB value, for a lower-case ASCII name.
std::optional<std::uint32_t> CssNamedColor(std::string_view name);

} // namespace hb
