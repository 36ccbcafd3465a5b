#include "chart/HueScheme.h"

namespace hb {

namespace {

constexpr int kAdjacent[] = {15, 345};
constexpr int kSimilar[] = {30, 45, 330, 315};
constexpr int kIntermediate[] = {60, 75, 90, 105, 300, 285, 270, 255};
constexpr int kContrasting[] = {120, 135, 150, 240, 225, 210};
constexpr int kComplementary[] = {165, 180, 195, 180};

} // namespace

std::span<const int> SchemeOffsets(THueScheme scheme) {
  switch (scheme) {
    case THueScheme::None: return {};
    case THueScheme::Adjacent: return kAdjacent;
    case THueScheme::Similar: return kSimilar;
    case THueScheme::Intermediate: return kIntermediate;
    case THueScheme::Contrasting: return kContrasting;
    case THueScheme::Complementary: return kComplementary;
  }
  return {};
}

TRGBBytes SchemeColorAt(THSVColor HSV, int Offset) {
  double h = double(Offset) + HSV.H;
  if (h > 360) h -= 360;
  if (h < 0) h += 360;
  return TColorConvert::HSVToRGB(h, HSV.S, HSV.V);
}

QRect SchemeSwatchRect(const QRect& view, int i, int n) {
  if (n <= 0) return {};
  const int width = view.width() / n;
  const int height = view.height() / 2;
  return {view.left() + i * width, view.top() + height, width, height};
}

} // namespace hb
