#include "color/Contrast.h"

#include <algorithm>
#include <cmath>
#include "text/Translate.h"

namespace hb {

namespace {

double Linear(int c) {
  const double s = std::clamp(c, 0, 255) / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

constexpr TRGBBytes kWhite{255, 255, 255};
constexpr TRGBBytes kBlack{0, 0, 0};

} // namespace

double RelativeLuminance(int R, int G, int B) {
  return 0.2126 * Linear(R) + 0.7152 * Linear(G) + 0.0722 * Linear(B);
}

double ContrastRatio(TRGBBytes a, TRGBBytes b) {
  const double la = RelativeLuminance(a.R, a.G, a.B);
  const double lb = RelativeLuminance(b.R, b.G, b.B);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int ContrastTenths(TRGBBytes a, TRGBBytes b) {
  return static_cast<int>(std::floor(ContrastRatio(a, b) * 10.0));
}

TContrastLevel ContrastLevelOf(TRGBBytes a, TRGBBytes b) {
  const double r = ContrastRatio(a, b);
  if (r >= 7.0) return TContrastLevel::AAA;
  if (r >= 4.5) return TContrastLevel::AA;
  if (r >= 3.0) return TContrastLevel::AALarge;
  return TContrastLevel::None;
}

const char* ContrastLevelText(TContrastLevel level) {
  switch (level) {
    case TContrastLevel::AAA: return "AAA";
    case TContrastLevel::AA: return "AA";
    case TContrastLevel::AALarge: return "AA Large";
    case TContrastLevel::None: break;
  }
  return "";
}

std::string ContrastText(TRGBBytes a, TRGBBytes b) {
  const int tenths = ContrastTenths(a, b);
  std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + ":1";
  const char* level = ContrastLevelText(ContrastLevelOf(a, b));
  if (*level) text += std::string(" ") + level;
  return text;
}

std::string ContrastPanelText(TRGBBytes colour) {
  return Args(Tr("Contrast", "白 %1 ／ 黒 %2"), {ContrastText(kWhite, colour), ContrastText(kBlack, colour)});
}

std::string ContrastHintSuffix(TRGBBytes swatch, TRGBBytes current) {
  return Arg(Tr("Contrast", " ／ 現在の色と %1"), ContrastText(swatch, current));
}

} // namespace hb
