#include "color/ColorVision.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hb {
namespace {

using TMatrix = std::array<std::array<double, 3>, 3>;

constexpr TMatrix kProtan{{{0.152286, 1.052583, -0.204868},
                           {0.114503, 0.786281, 0.099216},
                           {-0.003882, -0.048116, 1.051998}}};
constexpr TMatrix kDeutan{{{0.367322, 0.860646, -0.227968},
                           {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
constexpr TMatrix kTritan{{{1.255528, -0.076749, -0.178779},
                           {-0.078411, 0.930809, 0.147602},
                           {0.004733, 0.691367, 0.303900}}};

// Every swatch on view goes through here at each paint: the way into
// linear light is a table lookup.
const std::array<double, 256>& LinearTable() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const double v = i / 255.0;
      t[std::size_t(i)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    }
    return t;
  }();
  return table;
}

std::uint8_t Encode(double linear) {
  const double v = std::clamp(linear, 0.0, 1.0);
  const double s = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
  return std::uint8_t(std::lround(s * 255));
}

} // namespace

TRGBBytes SimulatedColor(TColorVision vision, TRGBBytes c) {
  const TMatrix* m = vision == TColorVision::Protan   ? &kProtan
                     : vision == TColorVision::Deutan ? &kDeutan
                     : vision == TColorVision::Tritan ? &kTritan
                                                      : nullptr;
  if (!m) return c;
  const auto& lin = LinearTable();
  const double r = lin[c.R], g = lin[c.G], b = lin[c.B];
  auto row = [&](std::size_t i) { return Encode((*m)[i][0] * r + (*m)[i][1] * g + (*m)[i][2] * b); };
  return {row(0), row(1), row(2)};
}

std::string_view ColorVisionKey(TColorVision vision) {
  switch (vision) {
    case TColorVision::Protan: return "Protan";
    case TColorVision::Deutan: return "Deutan";
    case TColorVision::Tritan: return "Tritan";
    case TColorVision::Normal: break;
  }
  return "None";
}

TColorVision ColorVisionFromKey(std::string_view key) {
  for (TColorVision v : {TColorVision::Protan, TColorVision::Deutan, TColorVision::Tritan})
    if (key == ColorVisionKey(v)) return v;
  return TColorVision::Normal;
}

} // namespace hb
