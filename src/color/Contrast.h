#pragma once
// Readability of one colour on another: WCAG 2.x relative luminance and
// contrast ratio, and the short texts the status bar and swatch hints show.

#include <string>

#include "color/ColorConvert.h"

namespace hb {

// Relative luminance 0..1 of an sRGB colour, components 0..255 (clamped).
// The linear segment ends at 0.04045, the sRGB value, not the 0.03928 of the
// older text; no 8-bit component falls between the two.
double RelativeLuminance(int R, int G, int B);

// (L1 + 0.05) / (L2 + 0.05) with the lighter colour on top: 1 to 21.
double ContrastRatio(TRGBBytes a, TRGBBytes b);

// The ratio in tenths, rounded down, so that a pair shown as 4.5 is never
// below 4.5 in a checker that computes it exactly (#777777 on white, 4.48,
// shows 4.4).
int ContrastTenths(TRGBBytes a, TRGBBytes b);

enum class TContrastLevel { None, AALarge, AA, AAA };

// AAA from 7:1, AA from 4.5:1, AA Large from 3:1, judged on the exact ratio.
TContrastLevel ContrastLevelOf(TRGBBytes a, TRGBBytes b);

// "AAA", "AA", "AA Large", or "" for none.
const char* ContrastLevelText(TContrastLevel level);

// "4.5:1 AA", or "2.9:1" when no level is met.
std::string ContrastText(TRGBBytes a, TRGBBytes b);

// The status-bar panel: "白 4.6:1 AA ／ 黒 4.5:1 AA" for text in white and in
// black on the colour.
std::string ContrastPanelText(TRGBBytes colour);

// What a swatch's hint adds: its contrast with the current colour,
// " ／ 現在の色と 4.5:1 AA".
std::string ContrastHintSuffix(TRGBBytes swatch, TRGBBytes current);

} // namespace hb
