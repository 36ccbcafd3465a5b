#pragma once
// What the main window shows for a colour, and the colour its controls set:
// the values of the twenty colour controls, the hexadecimal text and the
// web-safe indicator for an RGB colour; the colour that one group of controls
// (RGB, HSV or CMYK) makes; a single step that always moves the shown value;
// and the hexadecimal field read as a colour. No widgets: the window only
// copies these results into its controls.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "values/ColorValue.h"

namespace hb {

struct TShownColor {
  int R, G, B;     // 0..255
  int H, S, V;     // degrees, percent, percent (truncated)
  int C, M, Y, K;  // 0..255
  std::string Hex;
  bool WebSafe;
  friend bool operator==(const TShownColor&, const TShownColor&) = default;
};

// The values shown for a colour whose components lie in 0..255. A grey has no
// hue of its own and shows greyHue, the hue shown before it.
TShownColor ShownColor(const TColorData& color, int greyHue);

enum class TColorGroup { RGB, HSV, CMYK };

// The controls of a group, in order (R G B, H S V, C M Y K), and their ranges.
int GroupSize(TColorGroup group);
int GroupMaximum(TColorGroup group, int index);
// The value a control of the group shows for a colour.
int ShownComponent(const TShownColor& shown, TColorGroup group, int index);

// The colour a group's positions make (the fourth position counts only for
// CMYK). HSV and CMYK results go through IntFromFloatText, which may throw.
TColorData GroupColor(TColorGroup group, const std::array<int, 4>& positions);

// A single step of control `index` (an arrow or page key, a wheel notch, a
// spin arrow, a click in the groove) that moved it to positions[index] from
// the value `from` it showed: because shown HSV values truncate, the colour at
// the new position can show `from` again (a step right from pure red gives
// (255, 4, 0), hue 0). The step then moves on position by position until the
// shown value has changed in the step's direction, or up to the range's end.
TColorData SteppedGroupColor(TColorGroup group, std::array<int, 4> positions, int index, int from);

// Six hexadecimal digits (either case), counted as characters, as a colour;
// nothing for any other text.
std::optional<TColorData> ParseHexColor(std::string_view text);

} // namespace hb
