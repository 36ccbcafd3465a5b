#include "color/ShownColor.h"

#include "color/ColorConvert.h"
#include "text/CharText.h"
#include "text/Errors.h"

namespace hb {

TShownColor ShownColor(const TColorData& c, int greyHue) {
  TShownColor shown{};
  shown.R = c.R;
  shown.G = c.G;
  shown.B = c.B;
  // RGBToHSV writes no hue for a grey: the one given stays.
  THSVColor hsv{HueFromPosition(greyHue), 0.0, 0.0};
  TColorConvert::RGBToHSV(c.R, c.G, c.B, hsv);
  shown.H = ShownHue(hsv.H);
  shown.S = ShownSaturation(hsv.S);
  shown.V = ShownValue(hsv.V);
  const TCMYKColor cmyk = UnpackCMYK(TColorConvert::RGBToCMYK(c.R, c.G, c.B));
  shown.C = cmyk.C;
  shown.M = cmyk.M;
  shown.Y = cmyk.Y;
  shown.K = cmyk.K;
  shown.Hex = HexColorText(c.R, c.G, c.B);
  shown.WebSafe = IsWebSafe(c.R, c.G, c.B);
  return shown;
}

int GroupSize(TColorGroup group) { return group == TColorGroup::CMYK ? 4 : 3; }

int GroupMaximum(TColorGroup group, int index) {
  if (group != TColorGroup::HSV) return 255;
  return index == 0 ? 359 : 100;
}

int ShownComponent(const TShownColor& s, TColorGroup group, int index) {
  const std::array<int, 4> values = group == TColorGroup::RGB   ? std::array<int, 4>{s.R, s.G, s.B, 0}
                                    : group == TColorGroup::HSV ? std::array<int, 4>{s.H, s.S, s.V, 0}
                                                                : std::array<int, 4>{s.C, s.M, s.Y, s.K};
  return values.at(std::size_t(index));
}

TColorData GroupColor(TColorGroup group, const std::array<int, 4>& p) {
  auto fromBytes = [](const TRGBBytes& rgb) {
    return TColorData{IntFromFloatText(rgb.R), IntFromFloatText(rgb.G), IntFromFloatText(rgb.B)};
  };
  switch (group) {
    case TColorGroup::RGB:
      return {p[0], p[1], p[2]};
    case TColorGroup::HSV:
      return fromBytes(TColorConvert::HSVToRGB(HueFromPosition(p[0]), SaturationFromPosition(p[1]),
                                               ValueFromPosition(p[2])));
    case TColorGroup::CMYK:
      break;
  }
  return fromBytes(TColorConvert::CMYKToRGB(p[0], p[1], p[2], p[3]));
}

TColorData SteppedGroupColor(TColorGroup group, std::array<int, 4> positions, int index, int from) {
  const std::size_t i = std::size_t(index);
  const int direction = positions.at(i) > from ? 1 : -1;
  const int maximum = GroupMaximum(group, index);
  for (;;) {
    const TColorData color = GroupColor(group, positions);
    // A grey shows the hue the hue control stands at.
    const int greyHue = group == TColorGroup::HSV ? positions[0] : 0;
    const int shown = ShownComponent(ShownColor(color, greyHue), group, index);
    if (direction > 0 ? shown > from : shown < from) return color;
    const int next = positions[i] + direction;
    if (next < 0 || next > maximum) return color;
    positions[i] = next;
  }
}

std::optional<TColorData> ParseHexColor(std::string_view text) {
  if (CharLen(text) != 6) return std::nullopt;
  std::string lower(text);
  for (char& ch : lower)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  try {
    const std::string greenBlue = CharRight(lower, 4);
    return TColorData{HexToInt(CharLeft(lower, 2)), HexToInt(CharLeft(greenBlue, 2)),
                      HexToInt(CharRight(greenBlue, 2))};
  } catch (const ConversionError&) {
    // A character that is no hexadecimal digit, a "$" inside the text.
    return std::nullopt;
  }
}

} // namespace hb
