#pragma once
// The hue schemes shown over the big swatch: which hues on the ring of 24
// (15 degrees apart) keep company with the current one, the colour at each,
// and where its swatch lies.

#include <QRect>
#include <span>

#include "color/ColorConvert.h"

namespace hb {

// In the order the option buttons are tested: the first one down wins.
enum class THueScheme { None, Adjacent, Similar, Intermediate, Contrasting, Complementary };

// Degrees added to the hue, in swatch order: +d for each distance d of the
// scheme, then 360 - d for the same distances. The complementary scheme's 180
// comes out twice, so it has four swatches, the second equal to the fourth.
std::span<const int> SchemeOffsets(THueScheme scheme);

// The colour at hue HSV.H + Offset with HSV's saturation and value. The sum is
// brought onto the ring by one step each way (above 360 subtract 360, then
// below 0 add 360); exactly 360 stays and converts as 0.
TRGBBytes SchemeColorAt(THSVColor HSV, int Offset);

// Swatch i of n over the lower half of view: each w div n wide, side by side
// from the view's left edge, h div 2 high.
QRect SchemeSwatchRect(const QRect& view, int i, int n);

} // namespace hb
