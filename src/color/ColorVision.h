#pragma once
// Colour-vision deficiency simulation: the colour that a viewer with
// protanopia, deuteranopia or tritanopia sees, by the matrices of Machado,
// Oliveira and Fernandes (2009) at severity 1.0, applied in linear light.

#include <optional>
#include <string_view>

#include "values/ColorValue.h"

namespace hb {

enum class TColorVision { Normal, Protan, Deutan, Tritan };

// The colour as the deficiency sees it, clamped into sRGB; Normal gives the colour itself.
TRGBBytes SimulatedColor(TColorVision vision, TRGBBytes color);

// Its word in the settings file ("None", "Protan", "Deutan", "Tritan"); any
// other word reads as Normal.
std::string_view ColorVisionKey(TColorVision vision);
TColorVision ColorVisionFromKey(std::string_view key);

} // namespace hb
